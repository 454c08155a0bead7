git switch -c feature/export    # 创建并切换到新分支
git commit -am "增加导出 CSV 功能"

git switch main
git merge feature/export        # 合并功能分支

# 发生冲突时
git status                      # 查看冲突文件
# 编辑文件，保留需要的内容，删除冲突标记
git add report.c
git commit                      # 完成合并

git branch -d feature/export    # 删除已合并的分支
git log --oneline --graph --all # 图形化查看各分支
