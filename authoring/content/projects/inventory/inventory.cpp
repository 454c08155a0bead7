#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct Item {
    std::string name;
    double unitPrice = 0;
    int quantity = 0;
    int safetyStock = 0;
};

class Inventory {
public:
    void addItem(const std::string& sku, Item item) { m_items[sku] = std::move(item); }

    void stockIn(const std::string& sku, int qty) { find(sku).quantity += qty; }

    void stockOut(const std::string& sku, int qty)
    {
        Item& item = find(sku);
        if (item.quantity < qty)
            throw std::runtime_error(item.name + " 库存不足，现有 " + std::to_string(item.quantity));
        item.quantity -= qty;
    }

    std::vector<std::string> lowStock() const
    {
        std::vector<std::string> result;
        for (const auto& [sku, item] : m_items)
            if (item.quantity < item.safetyStock)
                result.push_back(sku + " " + item.name);
        return result;
    }

    double totalValue() const
    {
        double sum = 0;
        for (const auto& [sku, item] : m_items)
            sum += item.unitPrice * item.quantity;
        return sum;
    }

private:
    Item& find(const std::string& sku)
    {
        auto it = m_items.find(sku);
        if (it == m_items.end())
            throw std::invalid_argument("未知商品编号: " + sku);
        return it->second;
    }

    std::map<std::string, Item> m_items;   // 按编号有序，便于打印报表
};

int main()
{
    Inventory inv;
    inv.addItem("A001", {"A4 打印纸", 25.0, 40, 20});
    inv.addItem("B002", {"签字笔", 2.5, 300, 100});
    inv.stockOut("A001", 30);
    try {
        inv.stockOut("B002", 500);
    } catch (const std::exception& e) {
        std::cout << "出库失败: " << e.what() << '\n';
    }
    for (const auto& s : inv.lowStock())
        std::cout << "需要补货: " << s << '\n';
    std::cout << "库存总金额: " << inv.totalValue() << '\n';
}
