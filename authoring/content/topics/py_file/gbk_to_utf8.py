from pathlib import Path


def convert_to_utf8(src: Path, dst: Path) -> int:
    count = 0
    with open(src, "r", encoding="gbk", errors="replace") as fin, \
            open(dst, "w", encoding="utf-8", newline="\n") as fout:
        for line in fin:
            fout.write(line.rstrip("\r\n") + "\n")
            count += 1
    return count


if __name__ == "__main__":
    src = Path("readme_gbk.txt")
    src.write_bytes("第一行：你好\r\n第二行：世界\r\n".encode("gbk"))
    lines = convert_to_utf8(src, Path("readme_utf8.txt"))
    print(f"已转换 {lines} 行")
    print(Path("readme_utf8.txt").read_text(encoding="utf-8"), end="")
