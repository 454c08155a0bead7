#include "snippets.h"

namespace kelvor::authoring {

const std::vector<Snippet>& sqlSnippets()
{
    static const std::vector<Snippet> all = {
        {
            .key = "sql_join",
            .language = "SQL",
            .fileName = "customer_orders.sql",
            .title = "SQL 多表连接：INNER JOIN 与 LEFT JOIN 的区别",
            .exampleTitle = "查询每个客户的订单数量，包括没有下单的客户",
            .techKeywords = "SQL|JOIN|多表查询",
            .exampleKeyword = "SQL",
            .intro = "INNER JOIN 只返回两张表中满足连接条件的行；LEFT JOIN 返回左表的全部行，右表没有匹配时相应的列为 NULL。统计“每个客户的订单数”时必须使用 LEFT JOIN，否则没有订单的客户会从结果中消失。\n"
                     "对 LEFT JOIN 的右表加过滤条件时，条件应写在 ON 子句里；写在 WHERE 中会把 NULL 行过滤掉，使查询退化为内连接。",
            .task = "有客户表 customers 和订单表 orders，列出每个客户的名称、订单数量和消费总额，没有订单的客户显示 0。",
            .code = R"SRC(
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
)SRC",
            .output = "name      order_count  total_amount\n南山科技  1            4500.00\n华东贸易  2            2000.00\n北方物流  0            0",
            .notes = "COUNT(o.id) 只统计非 NULL 值，所以没有订单的客户计数为 0；如果写成 COUNT(*)，结果会是 1。\n"
                     "连接列上应建立索引，例如 orders(customer_id)，否则大表连接会变成全表扫描。",
        },
        {
            .key = "sql_group_by",
            .language = "SQL",
            .fileName = "monthly_sales.sql",
            .title = "SQL 分组统计：GROUP BY 与 HAVING",
            .exampleTitle = "统计每月销售额并找出超过目标的月份",
            .techKeywords = "SQL|GROUP BY|聚合函数",
            .exampleKeyword = "SQL",
            .intro = "GROUP BY 把行按一列或几列的值分组，再对每组使用 COUNT、SUM、AVG、MAX、MIN 等聚合函数。SELECT 列表中除了聚合函数，只能出现分组列。\n"
                     "WHERE 在分组之前过滤行，HAVING 在分组之后过滤组；按聚合结果筛选时必须用 HAVING。",
            .task = "对销售明细表按月份汇总销售额和订单数，只列出销售额超过 10 万元的月份。",
            .code = R"SRC(
SELECT strftime('%Y-%m', sold_at)           AS month,
       COUNT(*)                             AS orders,
       SUM(quantity * unit_price)           AS revenue,
       ROUND(AVG(quantity * unit_price), 2) AS avg_order
FROM sales
WHERE sold_at >= '2024-01-01'                 -- 分组前过滤行
GROUP BY strftime('%Y-%m', sold_at)
HAVING SUM(quantity * unit_price) > 100000    -- 分组后过滤组
ORDER BY month;
)SRC",
            .output = "month    orders  revenue    avg_order\n2024-01  312     128460.00  411.73\n2024-03  355     142390.50  401.09",
            .notes = "不同数据库的日期函数不同：上例使用 SQLite 的 strftime，MySQL 中写作 DATE_FORMAT(sold_at, '%Y-%m')。\n"
                     "SELECT 中定义的别名在大多数数据库里不能用于 WHERE 和 HAVING，只能重复写出表达式。",
        },
        {
            .key = "sql_index",
            .language = "SQL",
            .fileName = "order_index.sql",
            .title = "SQL 索引的创建、使用与执行计划分析",
            .exampleTitle = "为订单查询建立复合索引并验证效果",
            .techKeywords = "索引|SQL|性能优化|执行计划",
            .exampleKeyword = "索引",
            .intro = "索引是按某些列排好序的辅助数据结构（通常是 B+ 树），让数据库不必扫描整张表就能定位到需要的行。复合索引遵循“最左前缀”原则：索引 (customer_id, created_at) 可以服务于只按 customer_id 的查询，却不能服务于只按 created_at 的查询。\n"
                     "索引并非越多越好，每个索引都会减慢插入和更新，并占用存储空间。用 EXPLAIN 查看执行计划，确认查询是否真正用上了索引。",
            .task = "订单表有上百万行，需要快速查询某个客户最近的 10 个订单，为此设计复合索引并比较前后的执行计划。",
            .code = R"SRC(
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
)SRC",
            .output = "",
            .notes = "在索引列上使用函数（例如 WHERE YEAR(created_at) = 2024）会使索引失效，应改写为范围条件 created_at >= '2024-01-01' AND created_at < '2025-01-01'。\n"
                     "以 % 开头的 LIKE 模式（如 '%abc'）无法使用普通的 B 树索引。",
        },
        {
            .key = "sql_transaction",
            .language = "SQL",
            .fileName = "transfer.sql",
            .title = "SQL 事务：BEGIN、COMMIT、ROLLBACK 与隔离级别",
            .exampleTitle = "银行转账：用事务保证两次更新同时成功",
            .techKeywords = "事务|SQL|ACID",
            .exampleKeyword = "事务",
            .intro = "事务把多条 SQL 语句组合成一个不可分割的工作单元，满足 ACID 特性：原子性、一致性、隔离性和持久性。要么全部提交（COMMIT），要么全部撤销（ROLLBACK），不会出现只执行了一半的情况。\n"
                     "隔离级别决定了并发事务之间能看到彼此多少修改，从低到高依次为读未提交、读已提交、可重复读和串行化，级别越高，并发性能越低。",
            .task = "从账户 1 向账户 2 转账 500 元：扣款和入账必须同时成功，余额不足时整个转账回滚。",
            .code = R"SRC(
CREATE TABLE accounts (
    id      INTEGER PRIMARY KEY,
    owner   VARCHAR(50) NOT NULL,
    balance DECIMAL(12, 2) NOT NULL CHECK (balance >= 0)
);
INSERT INTO accounts VALUES (1, '周明', 1200.00), (2, '郑红', 300.00);

BEGIN TRANSACTION;

UPDATE accounts SET balance = balance - 500 WHERE id = 1;  -- 扣款，余额不足时违反 CHECK 约束
UPDATE accounts SET balance = balance + 500 WHERE id = 2;  -- 入账

COMMIT;   -- 任何一步失败时，应用程序执行 ROLLBACK

SELECT owner, balance FROM accounts ORDER BY id;
)SRC",
            .output = "owner  balance\n周明   700.00\n郑红   800.00",
            .notes = "事务应尽量短小：持有锁的时间越长，其他事务等待的时间就越长，发生死锁的可能性也越大。\n"
                     "在应用程序中要捕获执行错误并显式回滚，而不是假设数据库会替你处理。",
        },
        {
            .key = "sql_subquery",
            .language = "SQL",
            .fileName = "subqueries.sql",
            .title = "SQL 子查询、IN 与 EXISTS 的用法",
            .exampleTitle = "找出从未下过订单的客户",
            .techKeywords = "SQL|子查询|EXISTS",
            .exampleKeyword = "SQL",
            .intro = "子查询是嵌套在另一条语句中的 SELECT。它可以出现在 WHERE 中作为条件，出现在 FROM 中作为临时表，也可以出现在 SELECT 列表中返回单个值。\n"
                     "EXISTS 只关心子查询是否返回行，常与相关子查询配合使用。要特别注意 NOT IN：子查询结果中只要有一个 NULL，NOT IN 就不会返回任何行，此时应改用 NOT EXISTS。",
            .task = "找出从未下过订单的客户，以及订单总额高于所有下单客户平均值的客户。",
            .code = R"SRC(
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
)SRC",
            .output = "id  name\n2   北方物流\n\ncustomer_id  total\n3            4500.00",
            .notes = "很多数据库会把 IN 子查询和 EXISTS 优化成相同的执行计划，但两者在 NULL 的处理上语义不同。\n"
                     "子查询嵌套过深会降低可读性，可以考虑用 WITH 子句（公用表表达式）改写。",
        },
        {
            .key = "sql_pagination",
            .language = "SQL",
            .fileName = "pagination.sql",
            .title = "SQL 分页查询：LIMIT/OFFSET 与键集分页",
            .exampleTitle = "实现商品列表的分页查询",
            .techKeywords = "SQL|分页|性能优化",
            .exampleKeyword = "分页",
            .intro = "最常见的分页写法是 LIMIT 每页条数 OFFSET 跳过条数。它简单直观，但 OFFSET 越大，数据库需要读取并丢弃的行就越多，翻到几万页以后会明显变慢。\n"
                     "键集分页（也叫游标分页）记住上一页最后一行的排序键，下一页用“WHERE 排序键 > 上次的值 LIMIT n”查询，借助索引可以直接定位，速度与页码无关。",
            .task = "商品表按编号排序，每页 20 条，分别用 OFFSET 分页和键集分页查询第 3 页，并计算总页数。",
            .code = R"SRC(
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
)SRC",
            .output = "",
            .notes = "排序列必须唯一，否则同值的行在两页之间可能重复或遗漏；可以加上主键作为第二排序列。\n"
                     "键集分页不能直接跳到任意一页，适合“加载更多”和无限滚动的场景。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
