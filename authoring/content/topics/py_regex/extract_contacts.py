import re

text = """客服电话：13812345678，技术支持 15900001111。
邮件请发送到 service@example.com 或 dev.team@example.org。"""

phone = re.compile(r"(?<!\d)(1[3-9]\d)(\d{4})(\d{4})(?!\d)")
email = re.compile(r"[\w.+-]+@[\w-]+(?:\.[\w-]+)+", re.ASCII)

print("手机号:", ["".join(m) for m in phone.findall(text)])
print("邮箱:", email.findall(text))
print(phone.sub(r"\1****\3", text))
