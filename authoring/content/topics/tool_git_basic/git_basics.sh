git init
git add main.c README.md
git commit -m "实现成绩统计的基本功能"

git status                      # 查看哪些文件被修改
git diff                        # 工作区与暂存区的差异
git diff --staged               # 暂存区与最近一次提交的差异
git log --oneline --graph -10   # 简洁地查看最近 10 次提交

git restore main.c              # 丢弃工作区中对 main.c 的修改
git restore --staged main.c     # 把 main.c 撤出暂存区
git commit --amend              # 修改最近一次（尚未推送的）提交
git revert 3f2a1c9              # 用新提交撤销某次已推送的提交
