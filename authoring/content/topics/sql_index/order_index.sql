-- 没有索引时：全表扫描，还要额外排序
EXPLAIN QUERY PLAN
SELECT id, amount, created_at
FROM orders
WHERE customer_id = 42
ORDER BY created_at DESC
LIMIT 10;
-- SCAN orders
-- USE TEMP B-TREE FOR ORDER BY

CREATE INDEX idx_orders_customer_time ON orders (customer_id, created_at);

-- 建立复合索引后：按索引查找，且无需额外排序
EXPLAIN QUERY PLAN
SELECT id, amount, created_at
FROM orders
WHERE customer_id = 42
ORDER BY created_at DESC
LIMIT 10;
-- SEARCH orders USING INDEX idx_orders_customer_time (customer_id=?)
