-- 每月销售汇总与同比增长率
WITH monthly AS (
    SELECT strftime('%Y', sold_at)     AS year,
           strftime('%m', sold_at)     AS month,
           SUM(quantity * unit_price)  AS revenue,
           COUNT(DISTINCT customer_id) AS buyers
    FROM sales
    GROUP BY year, month
)
SELECT cur.year, cur.month, cur.revenue, cur.buyers,
       ROUND((cur.revenue - prev.revenue) * 100.0 / prev.revenue, 1) AS growth_pct
FROM monthly AS cur
LEFT JOIN monthly AS prev
       ON prev.year = CAST(cur.year - 1 AS TEXT) AND prev.month = cur.month
ORDER BY cur.year, cur.month;

-- 各类别销量前三的商品
SELECT category, name, total_qty
FROM (
    SELECT p.category, p.name, SUM(s.quantity) AS total_qty,
           ROW_NUMBER() OVER (PARTITION BY p.category ORDER BY SUM(s.quantity) DESC) AS rn
    FROM sales s
    JOIN products p ON p.id = s.product_id
    GROUP BY p.category, p.name
)
WHERE rn <= 3
ORDER BY category, total_qty DESC;
