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
