#include "snippets.h"

namespace kelvor::authoring {

const std::vector<Snippet>& webSnippets()
{
    static const std::vector<Snippet> all = {
        {
            .key = "js_promise",
            .language = "JavaScript",
            .fileName = "load_data.js",
            .title = "JavaScript Promise 与 async/await 异步编程",
            .exampleTitle = "用 async/await 依次与并行加载数据",
            .techKeywords = "Promise|async|JavaScript|异步编程",
            .exampleKeyword = "Promise",
            .intro = "Promise 表示一个将来才会完成的异步操作，它有三种状态：等待中、已成功和已失败。then 注册成功回调，catch 处理失败，多个 then 可以串成链，避免层层嵌套的“回调地狱”。\n"
                     "async 函数总是返回 Promise，在其中用 await 等待另一个 Promise，代码读起来就像同步代码。互不依赖的请求应该用 Promise.all 并行发出，而不是逐个 await。",
            .task = "模拟加载用户信息和订单列表：先演示依次等待，再用 Promise.all 并行加载，比较两种写法的耗时。",
            .code = R"SRC(
function delay(ms, value) {
  return new Promise(resolve => setTimeout(() => resolve(value), ms));
}

async function loadUser(id) {
  return delay(300, { id, name: '陈晨' });
}

async function loadOrders(id) {
  return delay(500, [{ no: 'A-1', total: 99 }, { no: 'A-2', total: 150 }]);
}

async function sequential() {
  console.time('依次加载');
  const user = await loadUser(1);
  const orders = await loadOrders(1);
  console.timeEnd('依次加载');
  return { user, orders };
}

async function parallel() {
  console.time('并行加载');
  const [user, orders] = await Promise.all([loadUser(1), loadOrders(1)]);
  console.timeEnd('并行加载');
  return { user, orders };
}

(async () => {
  try {
    await sequential();
    const { user, orders } = await parallel();
    console.log(`${user.name} 共有 ${orders.length} 个订单`);
  } catch (err) {
    console.error('加载失败:', err);
  }
})();
)SRC",
            .output = "依次加载: 802.113ms\n并行加载: 501.487ms\n陈晨 共有 2 个订单",
            .notes = "Promise.all 中任何一个 Promise 失败，整体立即失败；希望拿到每个请求各自的结果时，使用 Promise.allSettled。\n"
                     "在循环中逐个 await 会让请求串行执行；如果请求之间互不依赖，应先把 Promise 收集到数组中，再一起等待。",
        },
        {
            .key = "js_array_methods",
            .language = "JavaScript",
            .fileName = "cart.js",
            .title = "JavaScript 数组方法 map、filter、reduce 实战",
            .exampleTitle = "购物车金额计算：筛选、转换与汇总",
            .techKeywords = "数组|JavaScript|函数式编程",
            .exampleKeyword = "数组",
            .intro = "map 把数组的每个元素转换成新值，filter 保留满足条件的元素，reduce 把数组归并为一个值，它们都不修改原数组，而是返回新的结果。find 返回第一个满足条件的元素，some 和 every 判断是否有（或全部）元素满足条件。\n"
                     "这些方法可以链式调用，把“先过滤、再转换、最后汇总”的处理过程写得清清楚楚。",
            .task = "购物车中有若干商品，计算已勾选商品的总金额（满 200 减 20），并生成结算清单。",
            .code = R"SRC(
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
)SRC",
            .output = "机械键盘 x1 = 299 元\n鼠标垫 x2 = 50 元\nUSB 集线器 x1 = 69 元\n小计 418 元，优惠 20 元，应付 398 元\n是否有超过 250 元的商品: true",
            .notes = "reduce 一定要提供初始值（这里是 0），否则对空数组调用会抛出 TypeError。\n"
                     "涉及金额时，浮点运算可能出现 0.1 + 0.2 !== 0.3 的问题，实际项目中应以“分”为单位用整数计算。",
        },
        {
            .key = "js_dom_event",
            .language = "JavaScript",
            .fileName = "task_list.js",
            .title = "JavaScript DOM 事件处理与事件委托",
            .exampleTitle = "用事件委托实现可增删的任务列表",
            .techKeywords = "DOM|事件委托|JavaScript|前端",
            .exampleKeyword = "DOM",
            .intro = "addEventListener 为元素注册事件处理函数。事件发生后会从目标元素向上冒泡到各级父元素，事件委托正是利用这一点：只在父元素上注册一个处理函数，通过 event.target 判断实际点击的是哪个子元素。\n"
                     "事件委托减少了处理函数的数量，对后来动态添加的子元素同样有效，是处理列表、表格点击的常用手法。",
            .task = "实现一个任务列表：输入框回车添加任务，点击任务切换完成状态，点击“删除”按钮移除任务，全部由一个委托的点击处理函数负责。",
            .code = R"SRC(
// 页面结构：<input id="task-input"> <ul id="task-list"></ul>
const input = document.getElementById('task-input');
const list = document.getElementById('task-list');

input.addEventListener('keydown', event => {
  if (event.key !== 'Enter' || input.value.trim() === '') return;
  const li = document.createElement('li');
  const text = document.createElement('span');
  text.textContent = input.value.trim();   // 用 textContent，防止 HTML 注入
  const remove = document.createElement('button');
  remove.textContent = '删除';
  remove.className = 'remove';
  li.append(text, remove);
  list.appendChild(li);
  input.value = '';
});

// 事件委托：一个处理函数负责所有列表项
list.addEventListener('click', event => {
  const li = event.target.closest('li');
  if (!li) return;
  if (event.target.classList.contains('remove')) {
    li.remove();
  } else {
    li.classList.toggle('done');
  }
});
)SRC",
            .output = "",
            .notes = "插入用户输入的文字时使用 textContent 而不是 innerHTML，可以防止跨站脚本（XSS）攻击。\n"
                     "event.target 可能是目标元素内部的某个子元素，用 closest 向上查找最近的目标元素更可靠。",
        },
        {
            .key = "js_fetch",
            .language = "JavaScript",
            .fileName = "get_json.js",
            .title = "JavaScript fetch 请求 JSON 数据与错误处理",
            .exampleTitle = "用 fetch 实现带超时的天气查询",
            .techKeywords = "fetch|Ajax|JavaScript|JSON",
            .exampleKeyword = "Ajax",
            .intro = "fetch 是浏览器提供的网络请求接口，返回一个 Promise。需要注意的是，只有网络故障才会让这个 Promise 失败；服务器返回 404、500 时它依然成功，必须检查 response.ok 或 response.status。\n"
                     "response.json() 读取响应体并解析为 JavaScript 对象，它同样返回 Promise。AbortController 可以取消请求，借此可以实现超时控制。",
            .task = "封装一个 getJson 函数：请求指定网址的 JSON 数据，5 秒未返回则取消，HTTP 错误和网络错误都给出清楚的提示。",
            .code = R"SRC(
async function getJson(url, timeoutMs = 5000) {
  const controller = new AbortController();
  const timer = setTimeout(() => controller.abort(), timeoutMs);
  try {
    const response = await fetch(url, {
      headers: { Accept: 'application/json' },
      signal: controller.signal,
    });
    if (!response.ok) {
      throw new Error(`服务器返回 ${response.status} ${response.statusText}`);
    }
    return await response.json();
  } catch (err) {
    if (err.name === 'AbortError') {
      throw new Error(`请求超过 ${timeoutMs} 毫秒未响应，已取消`);
    }
    throw err;
  } finally {
    clearTimeout(timer);
  }
}

getJson('/api/weather?city=' + encodeURIComponent('杭州'))
  .then(data => console.log(`${data.city}: ${data.temperature}℃ ${data.text}`))
  .catch(err => console.error('查询失败:', err.message));
)SRC",
            .output = "杭州: 26℃ 多云",
            .notes = "拼接查询参数时要用 encodeURIComponent 对中文和特殊字符编码，或者使用 URLSearchParams。\n"
                     "跨域请求需要服务器返回正确的 CORS 响应头，这是浏览器的安全限制，无法在前端绕过。",
        },
        {
            .key = "js_closure",
            .language = "JavaScript",
            .fileName = "closure.js",
            .title = "JavaScript 闭包与作用域：let、const 和循环陷阱",
            .exampleTitle = "用闭包实现计数器和函数防抖",
            .techKeywords = "闭包|作用域|JavaScript",
            .exampleKeyword = "闭包",
            .intro = "函数可以访问定义它时所在作用域中的变量，即使外层函数已经返回，这些变量依然被内层函数“记住”，这就是闭包。闭包常用来创建私有状态，例如计数器和缓存。\n"
                     "var 声明的变量属于函数作用域，在循环中创建的多个闭包会共享同一个变量；let 和 const 是块级作用域，每次循环都会得到一个新的绑定。",
            .task = "用闭包实现一个带私有计数的计数器工厂，再实现防抖函数 debounce：连续触发时只在停止输入 300 毫秒后执行一次搜索。",
            .code = R"SRC(
function createCounter(start = 0) {
  let count = start;                 // 外部无法直接访问
  return {
    increment: () => ++count,
    reset: () => { count = start; },
    value: () => count,
  };
}

function debounce(fn, wait) {
  let timer = null;
  return function (...args) {
    clearTimeout(timer);
    timer = setTimeout(() => fn.apply(this, args), wait);
  };
}

const counter = createCounter(10);
counter.increment();
counter.increment();
console.log('计数:', counter.value());

const search = debounce(keyword => console.log('搜索:', keyword), 300);
['j', 'ja', 'jav', 'java'].forEach(k => search(k));   // 只会搜索一次 "java"

for (var i = 0; i < 3; i++) setTimeout(() => console.log('var:', i));
for (let j = 0; j < 3; j++) setTimeout(() => console.log('let:', j));
)SRC",
            .output = "计数: 12\nvar: 3\nvar: 3\nvar: 3\nlet: 0\nlet: 1\nlet: 2\n搜索: java",
            .notes = "闭包会让外层变量一直存活，不再需要的大对象要及时解除引用，避免内存占用过高。\n"
                     "防抖适合搜索框输入、窗口缩放等高频事件；需要按固定频率执行时则使用节流（throttle）。",
        },
        {
            .key = "js_localstorage",
            .language = "JavaScript",
            .fileName = "reader_settings.js",
            .title = "JavaScript localStorage 本地存储与 JSON 序列化",
            .exampleTitle = "用 localStorage 保存用户的阅读设置",
            .techKeywords = "localStorage|JavaScript|JSON|前端",
            .exampleKeyword = "本地存储",
            .intro = "localStorage 在浏览器中以键值对的形式持久保存数据，关闭浏览器后依然存在，每个网站（源）各有一份，容量通常为 5MB 左右。它只能保存字符串，保存对象时要先用 JSON.stringify 序列化，读取时再用 JSON.parse 还原。\n"
                     "sessionStorage 的用法相同，但只在当前标签页的会话期间有效。不要在本地存储中保存密码、令牌等敏感信息。",
            .task = "保存阅读器的字号、主题和上次阅读的章节；读取时对不存在或已损坏的数据使用默认设置。",
            .code = R"SRC(
const KEY = 'reader.settings';
const defaults = { fontSize: 16, theme: 'light', lastChapter: 1 };

function loadSettings() {
  try {
    const saved = JSON.parse(localStorage.getItem(KEY));
    return { ...defaults, ...saved };       // 缺少的字段用默认值补齐
  } catch {
    return { ...defaults };                 // 数据损坏时恢复默认
  }
}

function saveSettings(changes) {
  const settings = { ...loadSettings(), ...changes };
  try {
    localStorage.setItem(KEY, JSON.stringify(settings));
  } catch (err) {
    console.warn('保存失败，可能是存储空间已满:', err);
  }
  return settings;
}

saveSettings({ fontSize: 18, lastChapter: 7 });
console.log(loadSettings());
)SRC",
            .output = "{ fontSize: 18, theme: 'light', lastChapter: 7 }",
            .notes = "JSON.parse(null) 返回 null，而展开 null 不会报错，所以第一次运行时同样能得到默认设置。\n"
                     "localStorage 的读写是同步的，数据量大时会阻塞页面，这时可以考虑 IndexedDB。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
