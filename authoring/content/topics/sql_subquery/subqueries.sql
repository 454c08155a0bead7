-- 从未下单的客户：NOT EXISTS 不受 NULL 影响
SELECT c.id, c.name
FROM customers c
WHERE NOT EXISTS (
    SELECT 1 FROM orders o WHERE o.customer_id = c.id
);

-- 订单总额高于平均值的客户：FROM 中的子查询作为临时表
SELECT t.customer_id, t.total
FROM (
    SELECT customer_id, SUM(amount) AS total
    FROM orders
    GROUP BY customer_id
) AS t
WHERE t.total > (
    SELECT AVG(s.total)
    FROM (SELECT SUM(amount) AS total FROM orders GROUP BY customer_id) AS s
);
