#include <iostream>
#include <memory>
#include <vector>

struct Shape {
    virtual ~Shape() = default;
    virtual double area() const = 0;
};

struct Circle : Shape {
    explicit Circle(double r) : r(r) {}
    double area() const override { return 3.14159 * r * r; }
    double r;
};

struct Rect : Shape {
    Rect(double w, double h) : w(w), h(h) {}
    double area() const override { return w * h; }
    double w, h;
};

int main()
{
    std::vector<std::unique_ptr<Shape>> shapes;
    shapes.push_back(std::make_unique<Circle>(1.0));
    shapes.push_back(std::make_unique<Rect>(2.0, 3.0));

    std::unique_ptr<Shape> extra = std::make_unique<Circle>(2.0);
    shapes.push_back(std::move(extra));   // 所有权转移，extra 变为空
    std::cout << "extra 为空: " << std::boolalpha << (extra == nullptr) << '\n';

    double total = 0;
    for (const auto& s : shapes)
        total += s->area();
    std::cout << "总面积: " << total << '\n';
}   // shapes 销毁时自动释放全部图形
