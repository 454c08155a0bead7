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
