#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

class ConfigError : public std::runtime_error {
public:
    ConfigError(int line, const std::string& what)
        : std::runtime_error("第 " + std::to_string(line) + " 行: " + what), m_line(line) {}
    int line() const noexcept { return m_line; }

private:
    int m_line;
};

std::map<std::string, std::string> parseConfig(std::istream& in)
{
    std::map<std::string, std::string> result;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#')
            continue;
        auto pos = text.find('=');
        if (pos == std::string::npos || pos == 0)
            throw ConfigError(line, "缺少键名或等号");
        result[text.substr(0, pos)] = text.substr(pos + 1);
    }
    return result;
}

int main()
{
    std::istringstream in("# 数据库配置\nhost=127.0.0.1\nport=3306\n=root\n");
    try {
        auto config = parseConfig(in);
        std::cout << "读取到 " << config.size() << " 项配置\n";
    } catch (const ConfigError& e) {
        std::cout << "配置错误，" << e.what() << '\n';
    }
}
