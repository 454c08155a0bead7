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
