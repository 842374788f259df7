#include "tests/interface/random_calls/prototype.h"

#include <cctype>
#include <set>

namespace kelvo::calls {

namespace {

bool is_identifier_char(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())) != 0)
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())) != 0)
        text.remove_suffix(1);
    return text;
}

// The parameter list split at the commas that are not inside parentheses (a parameter may
// itself be a function pointer type with a list of its own).
std::vector<std::string> split_parameters(std::string_view list, std::string_view declaration)
{
    std::vector<std::string> parts;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= list.size(); ++i) {
        char const c = i < list.size() ? list[i] : ',';
        if (c == '(')
            ++depth;
        else if (c == ')')
            --depth;
        if (c == ',' && depth == 0) {
            std::string_view const part = trimmed(list.substr(start, i - start));
            if (part.empty())
                throw PrototypeError("empty parameter in: " + std::string(declaration));
            parts.push_back(normalised_type(part));
            start = i + 1;
        }
        if (depth < 0)
            throw PrototypeError("unbalanced parentheses in: " + std::string(declaration));
    }
    return parts;
}

} // namespace

std::string normalised_type(std::string_view type)
{
    std::string spaced;
    for (char c : trimmed(type)) {
        if (c == '*' || c == '(' || c == ')' || c == ',') {
            while (!spaced.empty() && spaced.back() == ' ')
                spaced.pop_back();
            // "char *", "double (*)(double)": a space before a pointer star or an opening
            // parenthesis that follows a name, none inside "(*)" or "**".
            if (!spaced.empty() && (c == '*' || c == '(') && is_identifier_char(spaced.back()))
                spaced += ' ';
            spaced += c;
            if (c == ',')
                spaced += ' ';
        } else if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            if (!spaced.empty() && spaced.back() != ' ' && spaced.back() != '(')
                spaced += ' ';
        } else {
            spaced += c;
        }
    }
    while (!spaced.empty() && spaced.back() == ' ')
        spaced.pop_back();
    // "char *const" is a char * for whoever receives a copy of it.
    while (spaced.ends_with("const")) {
        std::string_view const kept = trimmed(std::string_view(spaced).substr(0, spaced.size() - 5));
        if (!kept.ends_with('*'))
            break;
        spaced.resize(kept.size());
    }
    return spaced;
}

Prototype parse_declaration(std::string_view declaration)
{
    std::string_view text = trimmed(declaration);
    if (text.starts_with("extern "))
        text.remove_prefix(7);
    if (!text.ends_with(");"))
        throw PrototypeError("not a prototype: " + std::string(declaration));
    text.remove_suffix(1);

    std::size_t const open = text.find('(');
    if (open == std::string_view::npos)
        throw PrototypeError("no parameter list in: " + std::string(declaration));
    std::string_view const head = trimmed(text.substr(0, open));
    std::size_t name_start = head.size();
    while (name_start > 0 && is_identifier_char(head[name_start - 1]))
        --name_start;
    Prototype prototype;
    prototype.name = std::string(head.substr(name_start));
    prototype.return_type = normalised_type(head.substr(0, name_start));
    if (prototype.name.empty() || prototype.return_type.empty() ||
        std::isdigit(static_cast<unsigned char>(prototype.name.front())) != 0)
        throw PrototypeError("no function name or return type in: " + std::string(declaration));

    // The list runs to the parenthesis that closes the one after the name; anything after it
    // would mean a function returning a function pointer.
    int depth = 0;
    std::size_t close = open;
    for (; close < text.size(); ++close) {
        depth += text[close] == '(' ? 1 : text[close] == ')' ? -1 : 0;
        if (depth == 0)
            break;
    }
    if (close + 1 != text.size())
        throw PrototypeError("not a plain prototype: " + std::string(declaration));
    std::string_view const list = trimmed(text.substr(open + 1, close - open - 1));
    if (list.empty())
        throw PrototypeError("unprototyped declaration: " + std::string(declaration));
    if (list != "void")
        prototype.parameters = split_parameters(list, declaration);
    return prototype;
}

std::vector<Prototype> read_prototypes(std::istream& listing, std::string_view header_name)
{
    std::vector<Prototype> prototypes;
    std::set<std::string> seen;
    std::string const marker = "/" + std::string(header_name) + ":";
    std::string row;
    while (std::getline(listing, row)) {
        std::size_t const at = row.find(marker);
        std::size_t const comment_end = row.find("*/");
        if (at == std::string::npos || comment_end == std::string::npos || at > comment_end)
            continue;
        std::string_view const declaration = trimmed(std::string_view(row).substr(comment_end + 2));
        if (!declaration.starts_with("extern "))
            continue; // a definition, not a declaration of an exported function
        Prototype prototype = parse_declaration(declaration);
        std::size_t const line_start = at + 1;
        std::size_t const line_end = row.find(':', line_start + header_name.size() + 1);
        prototype.location = row.substr(line_start, line_end - line_start);
        if (seen.insert(prototype.name).second)
            prototypes.push_back(std::move(prototype));
    }
    return prototypes;
}

} // namespace kelvo::calls
