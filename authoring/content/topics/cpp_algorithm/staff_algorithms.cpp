#include <algorithm>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

struct Employee {
    std::string name;
    std::string dept;
    int salary;
};

int main()
{
    std::vector<Employee> staff = {
        {"刘洋", "研发部", 18000}, {"陈静", "市场部", 12000},
        {"王磊", "研发部", 15000}, {"孙丽", "市场部", 16000}};

    std::sort(staff.begin(), staff.end(), [](const Employee& a, const Employee& b) {
        if (a.dept != b.dept)
            return a.dept < b.dept;
        return a.salary > b.salary;
    });
    for (const auto& e : staff)
        std::cout << e.dept << " " << e.name << " " << e.salary << '\n';

    auto rich = std::find_if(staff.begin(), staff.end(),
                             [](const Employee& e) { return e.salary > 15000; });
    if (rich != staff.end())
        std::cout << "第一位工资超过 15000 的员工: " << rich->name << '\n';

    int total = std::accumulate(staff.begin(), staff.end(), 0,
                                [](int sum, const Employee& e) { return sum + e.salary; });
    std::cout << "工资总额: " << total << '\n';
}
