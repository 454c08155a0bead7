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
