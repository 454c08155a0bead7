SELECT strftime('%Y-%m', sold_at)           AS month,
       COUNT(*)                             AS orders,
       SUM(quantity * unit_price)           AS revenue,
       ROUND(AVG(quantity * unit_price), 2) AS avg_order
FROM sales
WHERE sold_at >= '2024-01-01'                 -- 分组前过滤行
GROUP BY strftime('%Y-%m', sold_at)
HAVING SUM(quantity * unit_price) > 100000    -- 分组后过滤组
ORDER BY month;
