#include <cctype>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <unordered_map>

int main()
{
    std::string text = "The quick brown fox jumps over the lazy dog the end";
    std::unordered_map<std::string, int> counts;

    std::istringstream in(text);
    for (std::string word; in >> word;) {
        for (char& c : word)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        ++counts[word];                      // 不存在时插入 0 再加一
    }

    std::map<std::string, int> sorted(counts.begin(), counts.end());
    for (const auto& [word, n] : sorted)
        std::cout << word << ": " << n << '\n';

    auto it = counts.find("the");
    if (it != counts.end())
        std::cout << "the 出现了 " << it->second << " 次\n";
}
