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
