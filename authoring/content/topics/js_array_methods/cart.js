const cart = [
  { name: '机械键盘', price: 299, qty: 1, checked: true },
  { name: '鼠标垫', price: 25, qty: 2, checked: true },
  { name: '显示器支架', price: 159, qty: 1, checked: false },
  { name: 'USB 集线器', price: 69, qty: 1, checked: true },
];

const selected = cart.filter(item => item.checked);
const lines = selected.map(item => `${item.name} x${item.qty} = ${item.price * item.qty} 元`);
const subtotal = selected.reduce((sum, item) => sum + item.price * item.qty, 0);
const discount = subtotal >= 200 ? 20 : 0;

console.log(lines.join('\n'));
console.log(`小计 ${subtotal} 元，优惠 ${discount} 元，应付 ${subtotal - discount} 元`);
console.log('是否有超过 250 元的商品:', cart.some(item => item.price > 250));
