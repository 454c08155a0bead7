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
