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
