#include "bridge/wire/protocol.h"

#include <algorithm>
#include <charconv>

namespace bridge::wire {
namespace {

constexpr std::string_view kOk = "OK";
constexpr std::string_view kErr = "ERR";

struct CommandName {
    Command command;
    std::string_view name;
};
constexpr CommandName kCommandNames[] = {
    {Command::Status, "STATUS"}, {Command::PlayPause, "PLAYPAUSE"}, {Command::Play, "PLAY"},
    {Command::Pause, "PAUSE"},   {Command::Stop, "STOP"},           {Command::Next, "NEXT"},
    {Command::Previous, "PREVIOUS"}, {Command::Seek, "SEEK"},       {Command::Volume, "VOLUME"},
    {Command::Mute, "MUTE"},     {Command::Open, "OPEN"},           {Command::Quit, "QUIT"},
    {Command::Raise, "RAISE"},   {Command::Art, "ART"},             {Command::Players, "PLAYERS"},
    {Command::Pin, "PIN"},       {Command::Playlists, "PLAYLISTS"}, {Command::Activate, "ACTIVATE"},
};

template <class Int>
std::optional<Int> ParseInt(std::string_view text) {
    Int value{};
    const char* end = text.data() + text.size();
    auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<bool> ParseFlag(std::string_view text) {
    if (text == "0") return false;
    if (text == "1") return true;
    return std::nullopt;
}

std::string Flag(bool value) { return value ? "1" : "0"; }

// Each STATUS value as text and back, by its type.
std::string ToText(const std::string& value) { return value; }
std::string ToText(bool value) { return Flag(value); }
std::string ToText(PlayState value) { return std::string(PlayStateName(value)); }
template <class Int>
std::string ToText(Int value) { return std::to_string(value); }

bool FromText(std::string_view text, std::string& out) {
    out = text;
    return true;
}
bool FromText(std::string_view text, bool& out) {
    auto value = ParseFlag(text);
    if (value) out = *value;
    return value.has_value();
}
bool FromText(std::string_view text, PlayState& out) {
    auto value = ParsePlayState(text);
    if (value) out = *value;
    return value.has_value();
}
template <class Int>
bool FromText(std::string_view text, Int& out) {
    auto value = ParseInt<Int>(text);
    if (value) out = *value;
    return value.has_value();
}

// One key of the STATUS line: how to write it and how to read it back.
struct StatusField {
    std::string_view key;
    std::string (*format)(const Status&);
    bool (*parse)(std::string_view, Status&);
};

template <auto member>
StatusField Field(std::string_view key) {
    return {key, [](const Status& s) { return ToText(s.*member); },
            [](std::string_view text, Status& s) { return FromText(text, s.*member); }};
}

const StatusField kStatusFields[] = {
    Field<&Status::connected>("connected"), Field<&Status::player>("player"),
    Field<&Status::identity>("identity"),   Field<&Status::state>("state"),
    Field<&Status::position_ms>("position_ms"), Field<&Status::volume>("volume"),
    Field<&Status::muted>("muted"),         Field<&Status::track>("track"),
    Field<&Status::title>("title"),         Field<&Status::artist>("artist"),
    Field<&Status::album>("album"),         Field<&Status::genre>("genre"),
    Field<&Status::length_ms>("length_ms"), Field<&Status::rating>("rating"),
    Field<&Status::art_url>("art_url"),     Field<&Status::can_seek>("can_seek"),
    Field<&Status::playlists>("playlists"), Field<&Status::generation>("generation"),
    Field<&Status::instance>("instance"), Field<&Status::owner>("owner"),
};

}  // namespace

std::string EscapeField(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::optional<std::string> UnescapeField(std::string_view escaped) {
    std::string out;
    out.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            out += escaped[i];
            continue;
        }
        if (++i == escaped.size()) return std::nullopt;
        switch (escaped[i]) {
        case '\\': out += '\\'; break;
        case 't': out += '\t'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        default: return std::nullopt;
        }
    }
    return out;
}

std::string JoinFields(const std::vector<std::string>& values) {
    std::string out;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i) out += '\t';
        out += EscapeField(values[i]);
    }
    return out;
}

std::optional<std::vector<std::string>> SplitFields(std::string_view line) {
    std::vector<std::string> fields;
    while (true) {
        std::size_t tab = line.find('\t');
        auto field = UnescapeField(line.substr(0, tab));
        if (!field) return std::nullopt;
        fields.push_back(std::move(*field));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

std::string_view PlayStateName(PlayState state) {
    switch (state) {
    case PlayState::Playing: return "playing";
    case PlayState::Paused: return "paused";
    case PlayState::Stopped: break;
    }
    return "stopped";
}

std::optional<PlayState> ParsePlayState(std::string_view name) {
    for (PlayState state : {PlayState::Stopped, PlayState::Paused, PlayState::Playing})
        if (PlayStateName(state) == name) return state;
    return std::nullopt;
}

std::string FormatStatusReply(const Status& status) {
    std::string line(kOk);
    for (const StatusField& field : kStatusFields) {
        line += '\t';
        line += field.key;
        line += '=';
        line += EscapeField(field.format(status));
    }
    return line;
}

std::optional<Status> ParseStatusReply(std::string_view line) {
    if (line.substr(0, kOk.size()) != kOk) return std::nullopt;
    line.remove_prefix(kOk.size());
    if (line.empty()) return Status{};
    if (line.front() != '\t') return std::nullopt;
    auto fields = SplitFields(line.substr(1));
    if (!fields) return std::nullopt;
    Status status;
    for (const std::string& field : *fields) {
        std::size_t equals = field.find('=');
        if (equals == std::string::npos) return std::nullopt;
        std::string_view key = std::string_view(field).substr(0, equals);
        std::string_view value = std::string_view(field).substr(equals + 1);
        auto known = std::find_if(std::begin(kStatusFields), std::end(kStatusFields),
                                  [&](const StatusField& f) { return f.key == key; });
        if (known != std::end(kStatusFields) && !known->parse(value, status)) return std::nullopt;
    }
    return status;
}

std::string FormatPlayerEntry(const PlayerEntry& entry) {
    return JoinFields({entry.bus_name, entry.identity, std::string(PlayStateName(entry.state)),
                       Flag(entry.followed), Flag(entry.pinned)});
}

std::optional<PlayerEntry> ParsePlayerEntry(std::string_view line) {
    auto fields = SplitFields(line);
    if (!fields || fields->size() != 5) return std::nullopt;
    auto state = ParsePlayState((*fields)[2]);
    auto followed = ParseFlag((*fields)[3]);
    auto pinned = ParseFlag((*fields)[4]);
    if (!state || !followed || !pinned) return std::nullopt;
    return PlayerEntry{(*fields)[0], (*fields)[1], *state, *followed, *pinned};
}

std::string FormatPlaylistEntry(const PlaylistEntry& entry) { return JoinFields({entry.object_path, entry.name}); }

std::optional<PlaylistEntry> ParsePlaylistEntry(std::string_view line) {
    auto fields = SplitFields(line);
    if (!fields || fields->size() != 2) return std::nullopt;
    return PlaylistEntry{(*fields)[0], (*fields)[1]};
}

std::string FormatRequest(Command command, std::string_view argument) {
    auto known = std::find_if(std::begin(kCommandNames), std::end(kCommandNames),
                              [&](const CommandName& c) { return c.command == command; });
    std::string line(known->name);
    if (!argument.empty()) {
        line += ' ';
        line += EscapeField(argument);
    }
    return line;
}

std::optional<Request> ParseRequest(std::string_view line) {
    std::size_t space = line.find(' ');
    std::string_view name = line.substr(0, space);
    auto known = std::find_if(std::begin(kCommandNames), std::end(kCommandNames),
                              [&](const CommandName& c) { return c.name == name; });
    if (known == std::end(kCommandNames)) return std::nullopt;
    if (space == std::string_view::npos) return Request{known->command, {}};
    auto argument = UnescapeField(line.substr(space + 1));
    if (!argument) return std::nullopt;
    return Request{known->command, std::move(*argument)};
}

std::optional<Reply> ParseReply(std::string_view line) {
    for (auto [word, ok] : {std::pair{kOk, true}, std::pair{kErr, false}}) {
        if (line == word) return Reply{ok, {}};
        if (line.size() > word.size() && line.substr(0, word.size()) == word && line[word.size()] == ' ')
            return Reply{ok, std::string(line.substr(word.size() + 1))};
    }
    return std::nullopt;
}

std::optional<std::size_t> ParseCount(std::string_view payload, std::size_t limit) {
    auto count = ParseInt<std::size_t>(payload);
    if (!count || *count > limit) return std::nullopt;
    return count;
}

std::string HelloLine(std::string_view token) {
    std::string line(kHello);
    line += ' ';
    line += token;
    return line;
}

void LineBuffer::Append(const char* data, std::size_t size) {
    // Drop what was consumed before growing, so a long session never keeps it.
    if (start_ > 0 && start_ >= data_.size() / 2) {
        data_.erase(0, start_);
        start_ = 0;
    }
    data_.append(data, size);
}

std::optional<std::string> LineBuffer::NextLine() {
    std::size_t newline = data_.find('\n', start_ + scanned_);
    if (newline == std::string::npos) {
        scanned_ = Buffered();
        return std::nullopt;
    }
    std::size_t length = newline - start_;
    std::string line = data_.substr(start_, length);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Consume(length + 1);
    return line;
}

std::optional<std::string> LineBuffer::TakeBytes(std::size_t n) {
    if (Buffered() < n) return std::nullopt;
    std::string bytes = data_.substr(start_, n);
    Consume(n);
    return bytes;
}

bool LineBuffer::Overlong() const {
    std::size_t newline = data_.find('\n', start_);
    std::size_t length = newline == std::string::npos ? Buffered() : newline - start_;
    return length > kMaxLineBytes;
}

void LineBuffer::Consume(std::size_t n) {
    start_ += n;
    scanned_ = 0;
    if (start_ == data_.size()) {
        data_.clear();
        start_ = 0;
    }
}

}  // namespace bridge::wire
