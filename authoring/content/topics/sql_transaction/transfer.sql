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
