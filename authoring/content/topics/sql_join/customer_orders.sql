CREATE TABLE customers (
    id   INTEGER PRIMARY KEY,
    name VARCHAR(50) NOT NULL
);

CREATE TABLE orders (
    id          INTEGER PRIMARY KEY,
    customer_id INTEGER NOT NULL REFERENCES customers(id),
    amount      DECIMAL(10, 2) NOT NULL,
    created_at  DATE NOT NULL
);

INSERT INTO customers VALUES (1, '华东贸易'), (2, '北方物流'), (3, '南山科技');
INSERT INTO orders VALUES
    (101, 1, 1200.00, '2024-03-01'),
    (102, 1,  800.00, '2024-03-15'),
    (103, 3, 4500.00, '2024-04-02');

-- 每个客户的订单数量和总额，没有订单的客户也要列出
SELECT c.name,
       COUNT(o.id)                AS order_count,
       COALESCE(SUM(o.amount), 0) AS total_amount
FROM customers c
LEFT JOIN orders o ON o.customer_id = c.id
GROUP BY c.id, c.name
ORDER BY total_amount DESC;
