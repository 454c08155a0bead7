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
