#include <iostream>
#include <memory>
#include <string>
#include <vector>

struct Node {
    explicit Node(std::string n) : name(std::move(n)) {}
    ~Node() { std::cout << "析构 " << name << '\n'; }

    std::string name;
    std::weak_ptr<Node> parent;                 // 不增加引用计数
    std::vector<std::shared_ptr<Node>> children;
};

int main()
{
    {
        auto root = std::make_shared<Node>("root");
        auto child = std::make_shared<Node>("child");
        child->parent = root;
        root->children.push_back(child);

        std::cout << "root 计数: " << root.use_count() << '\n';
        std::cout << "child 计数: " << child.use_count() << '\n';

        if (auto p = child->parent.lock())
            std::cout << child->name << " 的父结点是 " << p->name << '\n';
    }
    std::cout << "作用域结束\n";
}
