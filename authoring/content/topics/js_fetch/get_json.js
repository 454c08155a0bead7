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
