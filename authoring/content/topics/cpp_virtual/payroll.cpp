#include <iostream>
#include <memory>
#include <string>
#include <vector>

class Employee {
public:
    explicit Employee(std::string name) : m_name(std::move(name)) {}
    virtual ~Employee() = default;
    virtual double monthlyPay() const = 0;
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

class Salaried : public Employee {
public:
    Salaried(std::string name, double salary) : Employee(std::move(name)), m_salary(salary) {}
    double monthlyPay() const override { return m_salary; }

private:
    double m_salary;
};

class Hourly : public Employee {
public:
    Hourly(std::string name, double rate, int hours)
        : Employee(std::move(name)), m_rate(rate), m_hours(hours) {}
    double monthlyPay() const override { return m_rate * m_hours; }

private:
    double m_rate;
    int m_hours;
};

int main()
{
    std::vector<std::unique_ptr<Employee>> staff;
    staff.push_back(std::make_unique<Salaried>("周敏", 12000));
    staff.push_back(std::make_unique<Hourly>("吴刚", 80, 120));

    for (const auto& e : staff)
        std::cout << e->name() << " 本月工资: " << e->monthlyPay() << '\n';
}
