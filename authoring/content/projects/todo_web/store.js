const STORAGE_KEY = 'todo.items';

export class TodoStore {
  constructor() {
    this.items = this.load();
    this.listeners = [];
  }

  load() {
    try {
      return JSON.parse(localStorage.getItem(STORAGE_KEY)) ?? [];
    } catch {
      return [];
    }
  }

  save() {
    localStorage.setItem(STORAGE_KEY, JSON.stringify(this.items));
    this.listeners.forEach(fn => fn(this.items));   // 通知界面重新渲染
  }

  subscribe(fn) {
    this.listeners.push(fn);
  }

  add(title) {
    this.items.push({ id: Date.now(), title: title.trim(), done: false });
    this.save();
  }

  toggle(id) {
    this.items = this.items.map(t => (t.id === id ? { ...t, done: !t.done } : t));
    this.save();
  }

  clearDone() {
    this.items = this.items.filter(t => !t.done);
    this.save();
  }

  visible(filter) {
    if (filter === 'active') return this.items.filter(t => !t.done);
    if (filter === 'done') return this.items.filter(t => t.done);
    return this.items;
  }

  get remaining() {
    return this.items.filter(t => !t.done).length;
  }
}
