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
