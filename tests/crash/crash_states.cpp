#include "crash_states.h"

#include <algorithm>
#include <fcntl.h>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>

namespace quillox::testing {
namespace {

// A file's bytes, or a folder's names, each name leading to another node.
struct Node {
    bool folder = false;
    std::string bytes;
    std::map<std::string, int> names;
};

// One change, with the nodes it touches resolved as the run made it.
struct Change {
    enum Kind { Write, Truncate, Link, Unlink, Rename, Flush, FlushAll, Mark } kind = Mark;
    int node = -1;        // Write, Truncate, Flush: the file or folder; Link: the node named
    int folder = -1;      // Link, Unlink, Rename: the folder of the name
    std::string name;     // its name there; Mark: the line the process wrote
    int toFolder = -1;    // Rename: the folder of the new name
    std::string toName;   // and the new name
    long long offset = 0; // Write: where; Truncate: the new length
    std::string bytes;    // Write
};

Change changeOf(Change::Kind kind, int node, long long offset = 0, std::string bytes = {}) {
    Change change;
    change.kind = kind;
    change.node = node;
    change.offset = offset;
    change.bytes = std::move(bytes);
    return change;
}

Change nameChange(Change::Kind kind, int node, int folder, std::string name, int toFolder = -1,
                  std::string toName = {}) {
    Change change;
    change.kind = kind;
    change.node = node;
    change.folder = folder;
    change.name = std::move(name);
    change.toFolder = toFolder;
    change.toName = std::move(toName);
    return change;
}

bool changesNames(const Change& change) {
    return change.kind == Change::Link || change.kind == Change::Unlink ||
           change.kind == Change::Rename;
}

bool changesBytes(const Change& change) {
    return change.kind == Change::Write || change.kind == Change::Truncate;
}

// The sequences a change belongs to, each kept in order on the disk: a file's bytes are one,
// a folder's names another.
std::vector<int> sequencesOf(const Change& change) {
    if (changesBytes(change))
        return {2 * change.node};
    if (change.kind == Change::Rename && change.toFolder != change.folder)
        return {2 * change.folder + 1, 2 * change.toFolder + 1};
    if (changesNames(change))
        return {2 * change.folder + 1};
    return {};
}

void applyChange(const Change& change, std::vector<Node>& nodes) {
    switch (change.kind) {
    case Change::Write: {
        std::string& bytes = nodes[change.node].bytes;
        const std::size_t end = static_cast<std::size_t>(change.offset) + change.bytes.size();
        if (bytes.size() < end)
            bytes.resize(end);
        bytes.replace(static_cast<std::size_t>(change.offset), change.bytes.size(), change.bytes);
        break;
    }
    case Change::Truncate:
        nodes[change.node].bytes.resize(static_cast<std::size_t>(change.offset));
        break;
    case Change::Link:
        nodes[change.folder].names[change.name] = change.node;
        break;
    case Change::Unlink:
        nodes[change.folder].names.erase(change.name);
        break;
    case Change::Rename: {
        // A name whose making was lost has nothing to rename.
        auto& from = nodes[change.folder].names;
        const auto found = from.find(change.name);
        if (found == from.end())
            break;
        const int node = found->second;
        from.erase(found);
        nodes[change.toFolder].names[change.toName] = node;
        break;
    }
    default:
        break;
    }
}

void addToTree(const std::vector<Node>& nodes, int folder, const std::string& path,
               FileTree& tree) {
    for (const auto& [name, node] : nodes[folder].names) {
        const std::string child = path.empty() ? name : path + "/" + name;
        if (nodes[node].folder) {
            tree[child] = std::nullopt;
            addToTree(nodes, node, child, tree);
        } else {
            tree[child] = nodes[node].bytes;
        }
    }
}

std::vector<std::string> fieldsOf(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace

struct CrashStates::Replay {
    std::string root;
    std::vector<Node> start; // every node the run made is there, empty and unnamed
    std::vector<Change> changes;
    std::vector<std::string> nodePaths; // where each node was last named, for messages
    int flushes = 0;

    // What the run saw while it ran.
    std::vector<Node> now;
    std::map<int, int> descriptors;

    int nodeAt(const std::string& path, bool missingIsError = true) {
        if (path == root)
            return 0;
        if (path.rfind(root + "/", 0) != 0)
            throw std::runtime_error("outside the root: " + path);
        int node = 0;
        const std::string rest = path.substr(root.size() + 1);
        std::size_t start = 0;
        while (node >= 0 && start <= rest.size()) {
            const std::size_t slash = std::min(rest.find('/', start), rest.size());
            const auto found = now[node].names.find(rest.substr(start, slash - start));
            node = found == now[node].names.end() ? -1 : found->second;
            start = slash + 1;
        }
        if (node < 0 && missingIsError)
            throw std::runtime_error("no such file in the replay: " + path);
        return node;
    }

    // The folder holding the path, and the path's last name.
    std::pair<int, std::string> placeOf(const std::string& path) {
        const std::size_t slash = path.rfind('/');
        return {nodeAt(path.substr(0, slash)), path.substr(slash + 1)};
    }

    int newNode(bool folder, const std::string& path) {
        now.push_back({folder, {}, {}});
        start.push_back({folder, {}, {}});
        nodePaths.push_back(path);
        return static_cast<int>(now.size()) - 1;
    }

    void record(Change change) {
        applyChange(change, now);
        changes.push_back(std::move(change));
    }

    void link(int node, const std::string& path) {
        const auto [folder, name] = placeOf(path);
        nodePaths[node] = path;
        record(nameChange(Change::Link, node, folder, name));
    }

    void open(int fd, const std::string& path, int flags) {
        int node = -1;
        if ((flags & O_TMPFILE) == O_TMPFILE) {
            node = newNode(false, path + "/(unnamed)");
        } else {
            node = nodeAt(path, (flags & O_CREAT) == 0);
            if (node < 0) {
                node = newNode(false, path);
                link(node, path);
            }
        }
        if ((flags & O_TRUNC) != 0)
            record(changeOf(Change::Truncate, node));
        descriptors[fd] = node;
    }

    int nodeOf(const std::string& fd) const { return descriptors.at(std::stoi(fd)); }

    void read(const std::vector<std::string>& f, const std::string& bytes) {
        const std::string& kind = f[0];
        if (kind == "open")
            open(std::stoi(f[1]), f[2], std::stoi(f[3]));
        else if (kind == "dup")
            descriptors[std::stoi(f[2])] = nodeOf(f[1]);
        else if (kind == "close")
            descriptors.erase(std::stoi(f[1]));
        else if (kind == "write")
            record(changeOf(Change::Write, nodeOf(f[1]), std::stoll(f[2]), bytes));
        else if (kind == "truncate")
            record(changeOf(Change::Truncate, nodeOf(f[1]), std::stoll(f[2])));
        else if (kind == "link")
            link(nodeAt(f[1]), f[2]);
        else if (kind == "linkfd")
            link(nodeOf(f[1]), f[2]);
        else if (kind == "mkdir")
            link(newNode(true, f[1]), f[1]);
        else if (kind == "unlink" || kind == "rmdir") {
            const auto [folder, name] = placeOf(f[1]);
            record(nameChange(Change::Unlink, -1, folder, name));
        } else if (kind == "rename") {
            const auto [folder, name] = placeOf(f[1]);
            const auto [toFolder, toName] = placeOf(f[2]);
            nodePaths[now[folder].names.at(name)] = f[2];
            record(nameChange(Change::Rename, -1, folder, name, toFolder, toName));
        } else if (kind == "fsync") {
            ++flushes;
            record(changeOf(Change::Flush, nodeOf(f[1])));
        } else if (kind == "syncall") {
            ++flushes;
            record(changeOf(Change::FlushAll, -1));
        } else if (kind == "mark") {
            record(nameChange(Change::Mark, -1, -1, f.size() > 1 ? f[1] : std::string()));
        } else {
            throw std::runtime_error("unknown record: " + kind);
        }
    }
};

CrashStates::CrashStates(FileTree before, const std::string& root, const QByteArray& log)
    : replay_(std::make_unique<Replay>()) {
    Replay& r = *replay_;
    r.root = root;
    r.newNode(true, root);
    for (const auto& [path, contents] : before) {
        const int node = r.newNode(!contents, root + "/" + path);
        r.start[node].bytes = contents.value_or(std::string());
        r.now[node].bytes = r.start[node].bytes;
        const std::pair<int, std::string> place = r.placeOf(root + "/" + path);
        r.start[place.first].names[place.second] = node;
        r.now[place.first].names[place.second] = node;
    }
    const std::string text = log.toStdString();
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        if (end == std::string::npos)
            throw std::runtime_error("the log ends inside a record");
        const std::vector<std::string> fields = fieldsOf(text.substr(at, end - at));
        at = end + 1;
        std::string bytes;
        if (fields[0] == "write") {
            bytes = text.substr(at, std::stoull(fields[3]));
            at += bytes.size();
        }
        r.read(fields, bytes);
    }
}

CrashStates::~CrashStates() = default;

FileTree CrashStates::after() const {
    FileTree tree;
    addToTree(replay_->now, 0, {}, tree);
    return tree;
}

int CrashStates::flushes() const {
    return replay_->flushes;
}

void CrashStates::forEach(int mixesPerCut,
                          const std::function<void(const CrashState&)>& check) const {
    const Replay& r = *replay_;
    const std::size_t count = r.changes.size();
    std::vector<bool> onDisk(count, false);
    // The changes of each sequence not on the disk yet, in order.
    std::map<int, std::vector<std::size_t>> pending;
    std::vector<std::string> marks;
    std::mt19937 random(20260101);

    const auto makeDurable = [&](std::size_t index, auto& self) -> void {
        if (onDisk[index])
            return;
        onDisk[index] = true;
        for (const int sequence : sequencesOf(r.changes[index])) {
            for (const std::size_t before : pending[sequence]) {
                if (before < index)
                    self(before, self);
            }
        }
    };
    const auto stateWith = [&](std::size_t cut, const std::vector<bool>& chosen) {
        std::vector<Node> nodes = r.start;
        for (std::size_t i = 0; i < cut; ++i) {
            if (onDisk[i] || chosen[i])
                applyChange(r.changes[i], nodes);
        }
        FileTree tree;
        addToTree(nodes, 0, {}, tree);
        return tree;
    };
    // The changes chosen, each sequence cut after as many as the function allows.
    const auto choose = [&](std::size_t cut,
                            const std::function<std::size_t(int, std::size_t)>& keep) {
        std::vector<bool> chosen(count, false);
        std::map<int, std::size_t> taken;
        std::set<int> stopped;
        std::map<int, std::size_t> allowed;
        for (const auto& [sequence, indexes] : pending)
            allowed[sequence] = keep(sequence, indexes.size());
        for (std::size_t i = 0; i < cut; ++i) {
            if (onDisk[i])
                continue;
            const std::vector<int> sequences = sequencesOf(r.changes[i]);
            if (sequences.empty())
                continue;
            bool take = true;
            for (const int sequence : sequences)
                take = take && !stopped.count(sequence) && taken[sequence] < allowed[sequence];
            if (!take) {
                stopped.insert(sequences.begin(), sequences.end());
                continue;
            }
            chosen[i] = true;
            for (const int sequence : sequences)
                ++taken[sequence];
        }
        return chosen;
    };
    const auto cutAt = [&](std::size_t cut, const std::string& where) {
        const auto add = [&](const std::vector<bool>& chosen, const std::string& which) {
            check({stateWith(cut, chosen), marks, where + ", " + which});
        };
        add(std::vector<bool>(count, false), "only what was flushed");
        add(choose(cut, [](int, std::size_t all) { return all; }), "every change");
        add(choose(cut, [](int sequence, std::size_t all) { return sequence % 2 == 1 ? all : 0; }),
            "the name changes without the unflushed bytes");
        add(choose(cut, [](int sequence, std::size_t all) { return sequence % 2 == 0 ? all : 0; }),
            "the unflushed bytes without the name changes");
        for (int mix = 0; mix < mixesPerCut; ++mix) {
            add(choose(cut,
                       [&](int, std::size_t all) {
                           return std::uniform_int_distribution<std::size_t>(0, all)(random);
                       }),
                "random mix " + std::to_string(mix + 1));
        }
    };

    int flush = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const Change& change = r.changes[i];
        if (change.kind == Change::Mark) {
            marks.push_back(change.name);
        } else if (change.kind == Change::Flush || change.kind == Change::FlushAll) {
            ++flush;
            cutAt(i, "cut before flush " + std::to_string(flush) + " of " +
                         std::to_string(r.flushes) + " (" +
                         (change.kind == Change::FlushAll ? std::string("the whole file system")
                                                          : r.nodePaths[change.node]) +
                         ")");
            // A flushed folder brings its names to the disk, a flushed file its bytes.
            std::vector<std::size_t> flushed;
            for (const auto& [sequence, indexes] : pending) {
                if (change.kind == Change::FlushAll ||
                    sequence == 2 * change.node + (r.start[change.node].folder ? 1 : 0))
                    flushed.insert(flushed.end(), indexes.begin(), indexes.end());
            }
            for (const std::size_t index : flushed)
                makeDurable(index, makeDurable);
            for (auto& [sequence, indexes] : pending)
                std::erase_if(indexes, [&](std::size_t index) { return onDisk[index]; });
        } else {
            for (const int sequence : sequencesOf(change))
                pending[sequence].push_back(i);
        }
    }
    cutAt(count, "cut after the run's end");
}

} // namespace quillox::testing
