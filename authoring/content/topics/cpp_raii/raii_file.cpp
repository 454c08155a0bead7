#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>

class File {
public:
    File(const std::string& path, const char* mode)
        : m_fp(std::fopen(path.c_str(), mode))
    {
        if (!m_fp)
            throw std::runtime_error("无法打开文件: " + path);
    }
    ~File() { if (m_fp) std::fclose(m_fp); }

    File(const File&) = delete;                 // 禁止复制
    File& operator=(const File&) = delete;
    File(File&& other) noexcept : m_fp(std::exchange(other.m_fp, nullptr)) {}

    void write(const std::string& text) { std::fputs(text.c_str(), m_fp); }

private:
    std::FILE* m_fp;
};

int main()
{
    try {
        File log("app.log", "w");
        log.write("程序启动\n");
        File moved = std::move(log);            // 所有权转移给 moved
        moved.write("写入第二行\n");
        throw std::runtime_error("模拟一个错误");
    } catch (const std::exception& e) {
        std::cout << "捕获异常: " << e.what() << "，文件已自动关闭\n";
    }
}
