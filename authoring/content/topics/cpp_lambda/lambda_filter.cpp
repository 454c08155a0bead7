#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

struct Product {
    std::string name;
    double price;
};

int main()
{
    std::vector<Product> items = {
        {"键盘", 199.0}, {"鼠标", 89.0}, {"显示器", 1299.0}, {"耳机", 349.0}};

    double minPrice = 100.0;
    int comparisons = 0;

    std::vector<Product> result;
    std::copy_if(items.begin(), items.end(), std::back_inserter(result),
                 [minPrice](const Product& p) { return p.price >= minPrice; });

    std::sort(result.begin(), result.end(),
              [&comparisons](const Product& a, const Product& b) {
                  ++comparisons;               // 按引用捕获，修改外部计数
                  return a.price < b.price;
              });

    for (const auto& p : result)
        std::cout << p.name << " " << p.price << '\n';
    std::cout << "比较次数: " << comparisons << '\n';
}
