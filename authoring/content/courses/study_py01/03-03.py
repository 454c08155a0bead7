sentence = "To be or not to be that is the question"
counts = {}
for word in sentence.lower().split():
    counts[word] = counts.get(word, 0) + 1

for word, n in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0])):
    print(word, n)
