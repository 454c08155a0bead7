import sqlite3

conn = sqlite3.connect(":memory:")
conn.execute("""
    CREATE TABLE contacts (
        id    INTEGER PRIMARY KEY AUTOINCREMENT,
        name  TEXT NOT NULL,
        phone TEXT
    )
""")

people = [("张伟", "13800001111"), ("张敏", "13900002222"), ("李娜", "13700003333")]
with conn:                                   # 自动提交或回滚
    conn.executemany("INSERT INTO contacts (name, phone) VALUES (?, ?)", people)

keyword = "张"
rows = conn.execute("SELECT id, name, phone FROM contacts WHERE name LIKE ? ORDER BY id",
                    (keyword + "%",)).fetchall()
print("姓张的联系人:", rows)

with conn:
    conn.execute("UPDATE contacts SET phone = ? WHERE name = ?", ("13600009999", "李娜"))
    conn.execute("DELETE FROM contacts WHERE name = ?", ("张敏",))

print("剩余记录:", conn.execute("SELECT name, phone FROM contacts").fetchall())
conn.close()
