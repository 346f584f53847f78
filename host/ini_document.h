// A settings file held in memory: read whole, its groups and keys looked up
// and edited in place, written whole. Every line keeps its own text unless
// its value is set, so groups, keys and comments the host does not know stay
// as the user wrote them, in the file's order. Names match as the profile
// functions match them, without regard to case.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace host {

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const std::string& text);

    // The whole file, lines ended by CR LF.
    std::string Text() const;

    // The key's value in the first group of that name, without the blanks
    // around it or the quotes it may stand in; none when the key is not there.
    std::optional<std::string> Get(const std::string& group, const std::string& key) const;
    // Sets the first such key, else adds it at the group's end, else the group at the file's end.
    void Set(const std::string& group, const std::string& key, const std::string& value);
    // The names of the groups, in the file's order, each once.
    std::vector<std::string> GroupNames() const;
    // Whether a group of that name holds a key.
    bool HasKeys(const std::string& group) const;
    // Drops every group of that name, with all it holds.
    void RemoveGroup(const std::string& group);
    // The group as it stands in the other document, in this one's first group
    // of that name (or added at the end); none of it when the other has none.
    void CopyGroup(const IniDocument& from, const std::string& group);

private:
    struct Group {
        std::string name;
        std::string header;  // "[name]" as written; none for the lines before the first group
        std::vector<std::string> lines;
    };

    const Group* Find(const std::string& group) const;
    Group* Find(const std::string& group);

    std::string byteOrderMark_;
    std::vector<Group> groups_ = {Group{}};  // the first: what stands before any group
};

}  // namespace host
