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
