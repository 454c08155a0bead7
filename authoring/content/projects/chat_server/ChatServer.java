import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.PrintWriter;
import java.net.ServerSocket;
import java.net.Socket;
import java.nio.charset.StandardCharsets;
import java.util.Set;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;

public class ChatServer {
    private final Set<PrintWriter> clients = ConcurrentHashMap.newKeySet();
    private final ExecutorService pool = Executors.newCachedThreadPool();

    public void start(int port) throws IOException {
        try (ServerSocket server = new ServerSocket(port)) {
            System.out.println("聊天服务器已启动，端口 " + port);
            while (true) {
                Socket socket = server.accept();
                pool.execute(() -> serve(socket));
            }
        }
    }

    private void serve(Socket socket) {
        PrintWriter out = null;
        String name = "匿名";
        try (socket) {
            BufferedReader in = new BufferedReader(
                    new InputStreamReader(socket.getInputStream(), StandardCharsets.UTF_8));
            out = new PrintWriter(socket.getOutputStream(), true, StandardCharsets.UTF_8);
            out.println("请输入昵称：");
            String given = in.readLine();
            if (given == null || given.isBlank()) {
                return;
            }
            name = given.trim();
            clients.add(out);
            broadcast("系统消息：" + name + " 进入聊天室");
            String line;
            while ((line = in.readLine()) != null && !line.equals("/quit")) {
                broadcast(name + "：" + line);
            }
        } catch (IOException e) {
            System.out.println(name + " 连接异常断开：" + e.getMessage());
        } finally {
            if (out != null && clients.remove(out)) {
                broadcast("系统消息：" + name + " 离开聊天室");
            }
        }
    }

    private void broadcast(String message) {
        for (PrintWriter client : clients) {
            client.println(message);
        }
    }

    public static void main(String[] args) throws IOException {
        new ChatServer().start(9000);
    }
}
