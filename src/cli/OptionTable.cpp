#include "cli/OptionTable.h"

#include "cli/ExitStatus.h"

#include <algorithm>

namespace {

// The usage texts fill lines to this many columns at most.
constexpr std::size_t kWidth = 100;
// The column where an option's help begins in the lists.
constexpr std::size_t kHelpColumn = 32;

constexpr std::string_view kProgram = "vesperanova";

bool OfKind(const OptionRow& row, std::initializer_list<OptionKind> kinds) {
    return std::find(kinds.begin(), kinds.end(), row.kind) != kinds.end();
}

// "--date YYYY-MM-DDTHH:MM[:SS]", "--precise".
std::string Spelled(const OptionRow& row) {
    std::string text(row.name);
    if (!row.argument.empty()) {
        text += " ";
        text += row.argument;
    }
    return text;
}

// The words of `items` on lines of kWidth columns at most: the first line begins with `first`,
// the others with `indent` blanks (an item longer than a line stands alone on its line).
std::string Wrapped(std::string_view first, const std::vector<std::string>& items,
                    std::size_t indent) {
    std::string text(first);
    std::size_t column = first.size();
    bool lineStart = true; // nothing after the line's lead yet
    for (const std::string& item : items) {
        if (!lineStart && column + 1 + item.size() > kWidth) {
            text += "\n" + std::string(indent, ' ');
            column = indent;
            lineStart = true;
        }
        if (!lineStart) {
            text += " ";
            ++column;
        }
        text += item;
        column += item.size();
        lineStart = false;
    }
    return text + "\n";
}

// The words of `text`, split at blanks and line ends.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t blank = text.find_first_of(" \n");
        if (blank != 0) {
            words.emplace_back(text.substr(0, blank));
        }
        text = blank == std::string_view::npos ? std::string_view{} : text.substr(blank + 1);
    }
    return words;
}

// The option that chooses a console mode.
const OptionRow& ModeOption(Mode mode) {
    return *std::find_if(kOptionTable.begin(), kOptionTable.end(), [mode](const OptionRow& row) {
        return row.kind == OptionKind::ModeChoice && row.modes == Only(mode);
    });
}

// The options `mode` takes besides its own name, as the usage line spells them.
std::vector<std::string> SynopsisItems(Mode mode, bool chartOptionsByName) {
    std::vector<std::string> items;
    bool chartNamed = false;
    for (const OptionRow& row : kOptionTable) {
        if (!Takes(row.modes, mode) || !OfKind(row, {OptionKind::Chart, OptionKind::Own})) {
            continue;
        }
        if (row.kind == OptionKind::Chart && mode != Mode::Desktop && !chartOptionsByName) {
            if (!chartNamed) {
                items.emplace_back("[chart options]");
                chartNamed = true;
            }
            continue;
        }
        items.push_back("[" + Spelled(row) + "]");
    }
    return items;
}

// "vesperanova --render FILE.png|FILE.svg|FILE.pdf [...]" after `lead`, wrapped.
std::string Synopsis(std::string_view lead, Mode mode, bool chartOptionsByName) {
    std::vector<std::string> items;
    items.push_back(mode == Mode::Desktop ? "[PICTURE]" : Spelled(ModeOption(mode)));
    for (std::string& item : SynopsisItems(mode, chartOptionsByName)) {
        items.push_back(std::move(item));
    }
    const std::string first = std::string(lead) + std::string(kProgram) + " ";
    return Wrapped(first, items, first.size());
}

// One line (or more) per row: the option and its argument, then its help from kHelpColumn.
std::string OptionList(const std::vector<const OptionRow*>& rows) {
    std::string text;
    for (const OptionRow* row : rows) {
        std::string head = "  " + Spelled(*row);
        if (!row->alias.empty()) {
            head += ", " + std::string(row->alias);
        }
        const std::vector<std::string> words = Words(row->help);
        if (head.size() + 2 > kHelpColumn) {
            text += head + "\n";
            head.clear();
        }
        head.resize(kHelpColumn, ' ');
        text += Wrapped(head, words, kHelpColumn);
    }
    return text;
}

std::vector<const OptionRow*> RowsOf(ModeSet modes, std::initializer_list<OptionKind> kinds) {
    std::vector<const OptionRow*> rows;
    for (const OptionRow& row : kOptionTable) {
        if ((row.modes & modes) != 0 && OfKind(row, kinds)) {
            rows.push_back(&row);
        }
    }
    return rows;
}

} // namespace

const OptionRow& OptionOf(OptionId id) {
    return *std::find_if(kOptionTable.begin(), kOptionTable.end(),
                         [id](const OptionRow& row) { return row.id == id; });
}

OptionMatch MatchOption(const std::vector<std::string>& args, std::size_t& i, ModeSet modes,
                        std::initializer_list<OptionKind> kinds) {
    const std::string& arg = args[i];
    for (const OptionRow& row : kOptionTable) {
        if ((row.modes & modes) == 0 || !OfKind(row, kinds)) {
            continue;
        }
        if (arg == row.name || (!row.alias.empty() && arg == row.alias)) {
            if (row.argument.empty()) {
                return {&row, std::nullopt};
            }
            if (i + 1 < args.size()) {
                return {&row, args[++i]};
            }
            return {&row, std::nullopt};
        }
        if (!row.argument.empty() && arg.size() > row.name.size() && arg.starts_with(row.name) &&
            arg[row.name.size()] == '=') {
            return {&row, arg.substr(row.name.size() + 1)};
        }
    }
    return {};
}

std::string ModeUsage(Mode mode, std::string_view about) {
    std::string text = Synopsis("Usage: ", mode, true);
    text += Wrapped("", Words(about), 0);
    text += "Options:\n";
    std::vector<const OptionRow*> rows =
        RowsOf(static_cast<ModeSet>(mode), {OptionKind::Chart, OptionKind::Own});
    rows.push_back(&OptionOf(OptionId::Help));
    text += OptionList(rows);
    return text;
}

std::string GeneralUsage() {
    std::string text = Synopsis("Usage: ", Mode::Desktop, false);
    const std::string indent = "       ";
    for (const Mode mode : {Mode::Ephemeris, Mode::Render, Mode::Info, Mode::Tonight,
                            Mode::Altitude, Mode::Telescope}) {
        text += Synopsis(indent, mode, false);
    }
    text += indent + std::string(kProgram) + " " + std::string(OptionOf(OptionId::Help).name) +
            " | " + std::string(OptionOf(OptionId::Version).name) + "\n";
    text += "\nModes:\n" + OptionList(RowsOf(kEveryMode, {OptionKind::ModeChoice}));
    text += "Desktop program:\n" + OptionList(RowsOf(Only(Mode::Desktop), {OptionKind::Own}));
    text += "Chart options (every console mode; --profile also the desktop program's):\n" +
            OptionList(RowsOf(kConsoleModes, {OptionKind::Chart}));
    for (const Mode mode : {Mode::Ephemeris, Mode::Render, Mode::Info, Mode::Tonight,
                            Mode::Altitude, Mode::Telescope}) {
        const std::vector<const OptionRow*> own = RowsOf(Only(mode), {OptionKind::Own});
        if (!own.empty()) {
            text += "Options of " + std::string(ModeOption(mode).name) + ":\n" + OptionList(own);
        }
    }
    text += "General:\n" + OptionList(RowsOf(kEveryMode, {OptionKind::General}));
    std::vector<std::string> toolkit;
    for (const OptionRow* row : RowsOf(kEveryMode, {OptionKind::Toolkit})) {
        toolkit.push_back(Spelled(*row));
    }
    for (std::size_t k = 0; k + 1 < toolkit.size(); ++k) {
        toolkit[k] += ",";
    }
    text += Wrapped("Passed on to the window system: ", toolkit, 2);
    text += "With --ephemeris, --render, --info, --tonight, --altitude or --telescope, --help\n"
            "describes that mode.\n";
    return text;
}

std::optional<int> ParseJsonModeArguments(const std::vector<std::string>& rest, Mode mode,
                                          std::string_view about, std::string_view modeOption,
                                          bool& json, std::ostream& out, std::ostream& err) {
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const std::string& arg = rest[i];
        const OptionMatch match =
            MatchOption(rest, i, Only(mode), {OptionKind::General, OptionKind::Own});
        if (match.row && match.row->id == OptionId::Json) {
            json = true;
        } else if (match.row && match.row->id == OptionId::Help) {
            out << ModeUsage(mode, about);
            return kExitOk;
        } else if (arg.starts_with("-")) {
            err << "vesperanova: unknown option " << arg << " for " << modeOption << "\n";
            return kExitBadOption;
        } else {
            err << "vesperanova: unexpected argument '" << arg << "' for " << modeOption << "\n";
            return kExitBadOption;
        }
    }
    return std::nullopt;
}
