import sqlite3

from flask import Flask, abort, g, jsonify, request

app = Flask(__name__)
DATABASE = "blog.db"


def get_db():
    if "db" not in g:
        g.db = sqlite3.connect(DATABASE)
        g.db.row_factory = sqlite3.Row
    return g.db


@app.teardown_appcontext
def close_db(exc):
    db = g.pop("db", None)
    if db is not None:
        db.close()


@app.get("/api/posts/<int:post_id>/comments")
def list_comments(post_id):
    rows = get_db().execute(
        "SELECT author, content, created_at FROM comments WHERE post_id = ? ORDER BY created_at",
        (post_id,)).fetchall()
    return jsonify([dict(r) for r in rows])


@app.post("/api/posts/<int:post_id>/comments")
def add_comment(post_id):
    data = request.get_json(silent=True) or {}
    author = (data.get("author") or "").strip()[:30]
    content = (data.get("content") or "").strip()
    if not author or not content:
        abort(400, "昵称和评论内容不能为空")
    db = get_db()
    with db:
        db.execute("INSERT INTO comments (post_id, author, content, created_at) "
                   "VALUES (?, ?, ?, datetime('now'))", (post_id, author, content))
    return jsonify({"ok": True}), 201
