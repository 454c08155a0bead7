import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDate;

public class BorrowService {
    private final Connection conn;

    public BorrowService(Connection conn) {
        this.conn = conn;
    }

    /** 借书：扣减库存并写入借阅记录，两步在同一个事务中完成。 */
    public void borrow(int bookId, int readerId) throws SQLException {
        conn.setAutoCommit(false);
        try (PreparedStatement stock = conn.prepareStatement(
                     "UPDATE books SET stock = stock - 1 WHERE id = ? AND stock > 0");
             PreparedStatement record = conn.prepareStatement(
                     "INSERT INTO borrow_records (book_id, reader_id, borrowed_at, due_at) VALUES (?, ?, ?, ?)")) {
            stock.setInt(1, bookId);
            if (stock.executeUpdate() != 1) {
                throw new SQLException("图书 " + bookId + " 已全部借出");
            }
            LocalDate today = LocalDate.now();
            record.setInt(1, bookId);
            record.setInt(2, readerId);
            record.setObject(3, today);
            record.setObject(4, today.plusDays(30));
            record.executeUpdate();
            conn.commit();
        } catch (SQLException e) {
            conn.rollback();
            throw e;
        } finally {
            conn.setAutoCommit(true);
        }
    }

    /** 读者当前未还的图书数量，用于检查借阅额度。 */
    public int borrowedCount(int readerId) throws SQLException {
        try (PreparedStatement ps = conn.prepareStatement(
                "SELECT COUNT(*) FROM borrow_records WHERE reader_id = ? AND returned_at IS NULL")) {
            ps.setInt(1, readerId);
            try (ResultSet rs = ps.executeQuery()) {
                return rs.next() ? rs.getInt(1) : 0;
            }
        }
    }
}
