#include <algorithm>
#include <iostream>
#include <numeric>
#include <vector>

int main()
{
    std::vector<int> scores;
    scores.reserve(8);                       // 预留容量，避免反复分配
    for (int s : {78, 45, 92, 59, 88, 100})
        scores.push_back(s);

    // 删除不及格的成绩（erase-remove 惯用法）
    scores.erase(std::remove_if(scores.begin(), scores.end(),
                                [](int s) { return s < 60; }),
                 scores.end());

    scores.insert(scores.begin() + 1, 66);   // 插入补考成绩

    for (std::size_t i = 0; i < scores.size(); ++i)
        std::cout << "第 " << i + 1 << " 个: " << scores[i] << '\n';

    double avg = std::accumulate(scores.begin(), scores.end(), 0.0) / scores.size();
    std::cout << "平均分: " << avg << ", 容量: " << scores.capacity() << '\n';
}
