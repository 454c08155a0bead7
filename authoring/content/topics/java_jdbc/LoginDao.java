import java.sql.Connection;
import java.sql.DriverManager;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;

public class LoginDao {
    private final String url;

    public LoginDao(String url) {
        this.url = url;
    }

    public boolean check(String user, String passwordHash) throws SQLException {
        String sql = "SELECT COUNT(*) FROM users WHERE name = ? AND password_hash = ?";
        try (Connection conn = DriverManager.getConnection(url);
             PreparedStatement ps = conn.prepareStatement(sql)) {
            ps.setString(1, user);               // 参数绑定，输入不会被当作 SQL 执行
            ps.setString(2, passwordHash);
            try (ResultSet rs = ps.executeQuery()) {
                return rs.next() && rs.getInt(1) == 1;
            }
        }
    }

    public static void main(String[] args) throws SQLException {
        LoginDao dao = new LoginDao("jdbc:mysql://localhost:3306/shop?user=app&password=secret");
        System.out.println(dao.check("admin", "5f4dcc3b5aa765d61d8327deb882cf99"));
        System.out.println(dao.check("' OR '1'='1", "x"));   // 注入尝试，返回 false
    }
}
