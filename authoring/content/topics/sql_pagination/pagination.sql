-- 方法一：LIMIT/OFFSET，第 3 页跳过前 40 条
SELECT id, name, price
FROM products
ORDER BY id
LIMIT 20 OFFSET 40;

-- 方法二：键集分页，:last_id 是上一页最后一行的 id
SELECT id, name, price
FROM products
WHERE id > :last_id
ORDER BY id
LIMIT 20;

-- 总页数，用于显示页码
SELECT (COUNT(*) + 19) / 20 AS page_count FROM products;
