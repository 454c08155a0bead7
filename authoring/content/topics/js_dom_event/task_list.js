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
