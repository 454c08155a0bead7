#include "snippets.h"

namespace kelvor::authoring {

const std::vector<Snippet>& javaSnippets()
{
    static const std::vector<Snippet> all = {
        {
            .key = "java_hashmap",
            .language = "Java",
            .fileName = "OrderStats.java",
            .title = "Java HashMap 的遍历、统计与 merge 方法",
            .exampleTitle = "用 HashMap 统计每个城市的订单数量",
            .techKeywords = "HashMap|集合框架|Java",
            .exampleKeyword = "HashMap",
            .intro = "HashMap 是 Java 中最常用的键值容器，基于哈希表实现，put 和 get 的平均复杂度为 O(1)，不保证遍历顺序。需要按插入顺序遍历时用 LinkedHashMap，需要按键排序时用 TreeMap。\n"
                     "Java 8 新增的 getOrDefault、merge、computeIfAbsent 等方法让计数和分组的代码简洁了很多。遍历时推荐使用 entrySet，一次取得键和值。",
            .task = "给定一组订单的城市名称，统计每个城市的订单数量，并按数量从多到少输出。",
            .code = R"SRC(
import java.util.ArrayList;
import java.util.HashMap;
import java.util.List;
import java.util.Map;

public class OrderStats {
    public static void main(String[] args) {
        String[] cities = {"北京", "上海", "北京", "广州", "深圳", "上海", "北京"};
        Map<String, Integer> counts = new HashMap<>();
        for (String city : cities) {
            counts.merge(city, 1, Integer::sum);   // 不存在时放入 1，存在时累加
        }

        List<Map.Entry<String, Integer>> entries = new ArrayList<>(counts.entrySet());
        entries.sort(Map.Entry.<String, Integer>comparingByValue().reversed());
        for (Map.Entry<String, Integer> e : entries) {
            System.out.println(e.getKey() + " : " + e.getValue());
        }
        System.out.println("杭州 : " + counts.getOrDefault("杭州", 0));
    }
}
)SRC",
            .output = "北京 : 3\n上海 : 2\n广州 : 1\n深圳 : 1\n杭州 : 0",
            .notes = "数量相同的城市之间的先后次序取决于 HashMap 的内部顺序，不要依赖它。\n"
                     "HashMap 在多线程并发修改时不安全，应改用 ConcurrentHashMap。作为键的自定义类必须同时重写 equals 和 hashCode，并保证相等的对象哈希值也相等。",
        },
        {
            .key = "java_arraylist",
            .language = "Java",
            .fileName = "TodoList.java",
            .title = "Java ArrayList 与泛型：装箱、遍历和删除",
            .exampleTitle = "用 ArrayList 实现简单的待办事项列表",
            .techKeywords = "ArrayList|泛型|8种基本类型|集合框架",
            .exampleKeyword = "ArrayList",
            .intro = "ArrayList 是基于数组的动态列表，按下标访问很快，在中间插入或删除则需要移动后面的元素。集合只能保存对象，Java 的 8 种基本类型（int、double 等）放入集合时会自动装箱为 Integer、Double 等包装类。\n"
                     "在 for-each 循环中直接调用 list.remove 会抛出 ConcurrentModificationException，删除元素应使用迭代器的 remove 方法或者 removeIf。",
            .task = "用 ArrayList<String> 保存待办事项，实现添加、按关键字批量完成（删除）和按序号输出。",
            .code = R"SRC(
import java.util.ArrayList;
import java.util.List;

public class TodoList {
    private final List<String> items = new ArrayList<>();

    public void add(String item) {
        items.add(item);
    }

    public void finishAll(String keyword) {
        items.removeIf(item -> item.contains(keyword));  // 安全地删除满足条件的元素
    }

    public void print() {
        for (int i = 0; i < items.size(); i++) {
            System.out.println((i + 1) + ". " + items.get(i));
        }
    }

    public static void main(String[] args) {
        TodoList todo = new TodoList();
        todo.add("编写需求文档");
        todo.add("评审数据库设计");
        todo.add("编写单元测试");
        todo.add("修复登录问题");
        todo.finishAll("编写");
        todo.print();

        List<Integer> numbers = new ArrayList<>(List.of(3, 1, 2));
        numbers.remove(Integer.valueOf(1));   // 按值删除，而不是按下标
        System.out.println(numbers);
    }
}
)SRC",
            .output = "1. 评审数据库设计\n2. 修复登录问题\n[3, 2]",
            .notes = "List<Integer> 的 remove(1) 会按下标删除，remove(Integer.valueOf(1)) 才是按值删除，这是装箱带来的常见陷阱。\n"
                     "比较两个 Integer 对象要用 equals；用 == 只在 -128 到 127 的缓存范围内碰巧正确。",
        },
        {
            .key = "java_stream",
            .language = "Java",
            .fileName = "StreamDemo.java",
            .title = "Java 8 Stream：filter、map、collect 流式处理集合",
            .exampleTitle = "用 Stream 按部门分组统计平均工资",
            .techKeywords = "Stream|Lambda|集合框架|Java",
            .exampleKeyword = "Stream",
            .intro = "Stream API 以声明式的方式处理集合：filter 过滤、map 转换、sorted 排序、collect 收集结果。中间操作是惰性的，只有遇到 collect、forEach、count 等终止操作时才真正执行。\n"
                     "Collectors.groupingBy 可以把元素分组，再配合 averagingInt、counting 等下游收集器完成统计。一个流只能被消费一次。",
            .task = "给定员工列表，筛选工资大于 8000 的员工姓名，并按部门分组计算平均工资。",
            .code = R"SRC(
import java.util.List;
import java.util.Map;
import java.util.TreeMap;
import java.util.stream.Collectors;

public class StreamDemo {
    record Employee(String name, String dept, int salary) {}

    public static void main(String[] args) {
        List<Employee> staff = List.of(
                new Employee("林峰", "研发部", 15000),
                new Employee("高洁", "测试部", 9000),
                new Employee("马超", "研发部", 12000),
                new Employee("许晴", "测试部", 7000));

        List<String> highPaid = staff.stream()
                .filter(e -> e.salary() > 8000)
                .map(Employee::name)
                .collect(Collectors.toList());
        System.out.println("工资大于 8000: " + highPaid);

        Map<String, Double> avgByDept = staff.stream()
                .collect(Collectors.groupingBy(Employee::dept, TreeMap::new,
                        Collectors.averagingInt(Employee::salary)));
        avgByDept.forEach((dept, avg) -> System.out.println(dept + " 平均工资 " + avg));
    }
}
)SRC",
            .output = "工资大于 8000: [林峰, 高洁, 马超]\n测试部 平均工资 8000.0\n研发部 平均工资 13500.0",
            .notes = "record 是 Java 16 引入的简洁数据类，自动生成构造函数、访问方法、equals 和 hashCode。\n"
                     "并行流 parallelStream 并不总是更快，数据量小或者操作中有共享状态时，反而更慢甚至出错。",
        },
        {
            .key = "java_thread_pool",
            .language = "Java",
            .fileName = "DownloadDemo.java",
            .title = "Java 线程池 ExecutorService 与 Future 的用法",
            .exampleTitle = "用线程池并发下载多个文件并汇总结果",
            .techKeywords = "多线程|线程池|ExecutorService|Java",
            .exampleKeyword = "多线程",
            .intro = "频繁创建和销毁线程的代价很高，线程池复用固定数量的工作线程来执行任务。Executors.newFixedThreadPool 创建固定大小的线程池，submit 提交一个 Callable 任务并返回 Future，future.get() 会阻塞等待任务的结果。\n"
                     "线程池使用完毕必须调用 shutdown，否则工作线程会一直存活，程序无法正常退出。",
            .task = "模拟并发下载 5 个文件：每个任务返回文件大小，主线程收集所有 Future 的结果并计算总大小。",
            .code = R"SRC(
import java.util.ArrayList;
import java.util.List;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;
import java.util.concurrent.Future;
import java.util.concurrent.TimeUnit;

public class DownloadDemo {
    static int download(String file) throws InterruptedException {
        Thread.sleep(100);                       // 模拟网络耗时
        return file.length() * 1024;
    }

    public static void main(String[] args) throws Exception {
        String[] files = {"a.zip", "report.pdf", "photo.jpg", "data.csv", "setup.exe"};
        ExecutorService pool = Executors.newFixedThreadPool(3);
        try {
            List<Future<Integer>> results = new ArrayList<>();
            for (String f : files) {
                results.add(pool.submit(() -> download(f)));
            }
            int total = 0;
            for (Future<Integer> r : results) {
                total += r.get();                // 等待每个任务完成
            }
            System.out.println("全部下载完成，共 " + total + " 字节");
        } finally {
            pool.shutdown();
            pool.awaitTermination(5, TimeUnit.SECONDS);
        }
    }
}
)SRC",
            .output = "全部下载完成，共 41984 字节",
            .notes = "生产环境中建议直接使用 ThreadPoolExecutor 的构造函数，显式指定有界队列和拒绝策略，避免 Executors 创建的无界队列在任务堆积时耗尽内存。\n"
                     "future.get() 会把任务中抛出的异常包装成 ExecutionException 重新抛出，调用者要处理它。",
        },
        {
            .key = "java_jdbc",
            .language = "Java",
            .fileName = "LoginDao.java",
            .title = "Java JDBC 使用 PreparedStatement 防止 SQL 注入",
            .exampleTitle = "用 JDBC 实现用户登录验证",
            .techKeywords = "JDBC|SQL注入|PreparedStatement|SQL",
            .exampleKeyword = "SQL",
            .intro = "JDBC 是 Java 访问关系数据库的标准接口。把用户输入直接拼接进 SQL 字符串，会给 SQL 注入攻击留下机会；PreparedStatement 用问号作为占位符，通过 setString、setInt 等方法绑定参数，数据库把参数当作值而不是 SQL 代码，从根本上杜绝注入。\n"
                     "Connection、PreparedStatement、ResultSet 都需要关闭，使用 try-with-resources 最为稳妥。",
            .task = "根据用户名和密码散列值查询 users 表验证登录，要求能抵御 ' OR '1'='1 之类的注入输入。",
            .code = R"SRC(
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
)SRC",
            .output = "true\nfalse",
            .notes = "数据库中不要保存明文密码，应保存加盐后的散列值，例如使用 bcrypt 或 PBKDF2 算法。\n"
                     "表名、列名不能用占位符绑定；确实需要动态表名时，只能从程序内部的白名单中选择。",
        },
        {
            .key = "java_interface",
            .language = "Java",
            .fileName = "PaymentDemo.java",
            .title = "Java 接口与抽象类的区别及默认方法",
            .exampleTitle = "用接口实现可替换的支付方式",
            .techKeywords = "接口|抽象类|面向对象|多态",
            .exampleKeyword = "接口",
            .intro = "接口描述“能做什么”，抽象类描述“是什么”。一个类只能继承一个父类，却可以实现多个接口。接口中的字段都是常量；Java 8 起接口可以有 default 默认方法和 static 静态方法，Java 9 起还可以有 private 方法。\n"
                     "抽象类可以有构造函数、实例字段和已经实现的方法，适合在一组关系紧密的类之间共享代码。",
            .task = "定义支付接口 Payment，实现扫码支付和银行卡支付两种方式；订单只依赖接口，可以随时切换支付方式。",
            .code = R"SRC(
interface Payment {
    boolean pay(String orderId, double amount);

    default String receipt(String orderId, double amount) {   // 默认方法
        return "订单 " + orderId + " 已支付 " + String.format("%.2f", amount) + " 元";
    }
}

class QrCodePayment implements Payment {
    @Override
    public boolean pay(String orderId, double amount) {
        System.out.println("生成收款二维码，金额 " + amount);
        return true;
    }
}

class CardPayment implements Payment {
    private final String cardNo;

    CardPayment(String cardNo) {
        this.cardNo = cardNo;
    }

    @Override
    public boolean pay(String orderId, double amount) {
        System.out.println("从尾号 " + cardNo.substring(cardNo.length() - 4) + " 的银行卡扣款");
        return amount <= 5000;
    }
}

public class PaymentDemo {
    public static void main(String[] args) {
        Payment[] methods = {new QrCodePayment(), new CardPayment("6222020200112233")};
        for (Payment p : methods) {
            if (p.pay("A1001", 128.5)) {
                System.out.println(p.receipt("A1001", 128.5));
            }
        }
    }
}
)SRC",
            .output = "生成收款二维码，金额 128.5\n订单 A1001 已支付 128.50 元\n从尾号 2233 的银行卡扣款\n订单 A1001 已支付 128.50 元",
            .notes = "面向接口编程让订单模块与具体的支付方式解耦，新增支付方式时不需要修改订单代码，这就是“开闭原则”。\n"
                     "一个类实现的两个接口含有同名的默认方法时，必须在类中重写该方法以消除歧义。",
        },
        {
            .key = "java_exception",
            .language = "Java",
            .fileName = "ConfigReader.java",
            .title = "Java 异常体系与 try-with-resources",
            .exampleTitle = "读取配置文件并正确关闭资源",
            .techKeywords = "异常|try-with-resources|Java|文件操作",
            .exampleKeyword = "异常处理",
            .intro = "Java 的异常分为受检异常（如 IOException，必须捕获或声明抛出）和非受检异常（RuntimeException 及其子类，如 NullPointerException）。\n"
                     "try-with-resources 语句会在代码块结束时自动调用资源的 close 方法，即使发生异常也不例外，多个资源按声明的相反顺序关闭。实现了 AutoCloseable 接口的类都可以这样使用。",
            .task = "逐行读取 config.properties 文件，统计有效配置项的数量；文件不存在时给出友好的提示。",
            .code = R"SRC(
import java.io.BufferedReader;
import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.NoSuchFileException;
import java.nio.file.Path;

public class ConfigReader {
    public static int countEntries(Path file) throws IOException {
        int count = 0;
        try (BufferedReader reader = Files.newBufferedReader(file, StandardCharsets.UTF_8)) {
            String line;
            while ((line = reader.readLine()) != null) {
                line = line.trim();
                if (!line.isEmpty() && !line.startsWith("#") && line.contains("=")) {
                    count++;
                }
            }
        }   // reader 在这里自动关闭
        return count;
    }

    public static void main(String[] args) {
        try {
            System.out.println("有效配置项: " + countEntries(Path.of("config.properties")));
        } catch (NoSuchFileException e) {
            System.out.println("找不到配置文件: " + e.getFile());
        } catch (IOException e) {
            System.out.println("读取失败: " + e.getMessage());
        }
    }
}
)SRC",
            .output = "找不到配置文件: config.properties",
            .notes = "catch 子句要先写子类异常再写父类异常，否则子类的 catch 永远执行不到，编译器会报错。\n"
                     "不要用空的 catch 块吞掉异常，至少应该记录日志。",
        },
        {
            .key = "java_string_builder",
            .language = "Java",
            .fileName = "CsvExport.java",
            .title = "Java StringBuilder 高效拼接字符串",
            .exampleTitle = "用 StringBuilder 生成 CSV 报表",
            .techKeywords = "字符串|StringBuilder|Java|性能优化",
            .exampleKeyword = "字符串",
            .intro = "Java 的 String 是不可变对象，每次用 + 拼接都会生成新的字符串对象。在循环中大量拼接时应该使用 StringBuilder，它在内部维护一个可扩容的字符数组，append 只是把内容追加到数组末尾。\n"
                     "单线程环境下使用 StringBuilder；StringBuffer 的方法带有同步锁，只在多线程共享时才需要。",
            .task = "把一组商品数据拼接成带表头的 CSV 文本，字段中含有逗号或引号时按 CSV 规则加引号。",
            .code = R"SRC(
import java.util.List;

public class CsvExport {
    static String escape(String field) {
        if (field.contains(",") || field.contains("\"")) {
            return "\"" + field.replace("\"", "\"\"") + "\"";
        }
        return field;
    }

    public static String toCsv(List<String[]> rows) {
        StringBuilder sb = new StringBuilder(256);   // 预估容量
        sb.append("编号,名称,价格\n");
        for (String[] row : rows) {
            for (int i = 0; i < row.length; i++) {
                if (i > 0) {
                    sb.append(',');
                }
                sb.append(escape(row[i]));
            }
            sb.append('\n');
        }
        return sb.toString();
    }

    public static void main(String[] args) {
        List<String[]> rows = List.of(
                new String[]{"1001", "机械键盘", "299"},
                new String[]{"1002", "显示器,27寸", "1599"});
        System.out.print(toCsv(rows));
    }
}
)SRC",
            .output = "编号,名称,价格\n1001,机械键盘,299\n1002,\"显示器,27寸\",1599",
            .notes = "编译器会把单个表达式里的字符串 + 优化为 StringBuilder，但无法优化循环中的拼接。\n"
                     "String.join 和 Collectors.joining 适合用分隔符连接一组字符串，代码更简洁。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
