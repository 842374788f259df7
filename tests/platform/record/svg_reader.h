#pragma once

// Reading saved SVG documents back in tests: a small XML reader that refuses what is not
// well-formed (unbalanced tags, unquoted or repeated attributes, a bare '<' or '&', unknown
// entities, characters XML cannot hold) and gives the elements with their attributes and
// their text, references decoded.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/font/text_decoding.h"

namespace kp::testing {

struct XmlElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::vector<XmlElement> children;
    std::string own_text; // the character data directly inside it
    std::string all_text; // its text and that of everything inside it, in document order

    std::string attribute(std::string const& key) const
    {
        auto found = attributes.find(key);
        return found == attributes.end() ? std::string() : found->second;
    }
    // Every element below this one (not itself) with this name, in document order.
    void find_all(std::string_view wanted, std::vector<XmlElement const*>& found) const
    {
        for (XmlElement const& child : children) {
            if (child.name == wanted)
                found.push_back(&child);
            child.find_all(wanted, found);
        }
    }
};

class XmlReader {
public:
    // The root element, or nothing when the document is not well-formed XML.
    static std::optional<XmlElement> read(std::string_view document)
    {
        if (!is_valid_utf8(document) || !allowed_characters(document))
            return std::nullopt;
        XmlReader reader(document);
        reader.skip_prolog();
        XmlElement root;
        if (!reader.element(root))
            return std::nullopt;
        reader.skip_space();
        if (reader.at_ < reader.text_.size())
            return std::nullopt;
        return root;
    }

private:
    explicit XmlReader(std::string_view text) : text_(text) {}

    static bool allowed_characters(std::string_view document)
    {
        for (char32_t c : decode_text(document, TextEncoding::Unicode)) {
            bool const allowed = c == U'\t' || c == U'\n' || c == U'\r' || (c >= 0x20 && c <= 0xD7FF)
                || (c >= 0xE000 && c <= 0xFFFD) || c >= 0x10000;
            if (!allowed)
                return false;
        }
        return true;
    }

    bool starts(std::string_view what) const { return text_.substr(at_).starts_with(what); }
    void skip_space()
    {
        while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != std::string_view::npos)
            ++at_;
    }
    void skip_prolog()
    {
        skip_space();
        if (starts("<?xml")) {
            std::size_t const end = text_.find("?>", at_);
            at_ = end == std::string_view::npos ? text_.size() : end + 2;
        }
        skip_space();
    }
    std::string name()
    {
        std::size_t const begin = at_;
        while (at_ < text_.size() && std::string_view(" \t\r\n/>=\"'<&").find(text_[at_]) == std::string_view::npos)
            ++at_;
        return std::string(text_.substr(begin, at_ - begin));
    }

    // Character data up to the next '<' (or a quote in attribute values) with references
    // decoded; false on a bare '&' or an unknown entity.
    bool characters(char stop, std::string& out)
    {
        while (at_ < text_.size() && text_[at_] != '<' && text_[at_] != stop) {
            if (text_[at_] != '&') {
                out += text_[at_++];
                continue;
            }
            std::size_t const end = text_.find(';', at_);
            if (end == std::string_view::npos)
                return false;
            std::string_view const entity = text_.substr(at_ + 1, end - at_ - 1);
            at_ = end + 1;
            static std::map<std::string_view, char> const named{
                {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
            if (auto found = named.find(entity); found != named.end()) {
                out += found->second;
            } else if (entity.starts_with("#x") && entity.size() > 2) {
                append_utf8(out, static_cast<char32_t>(std::stoul(std::string(entity.substr(2)), nullptr, 16)));
            } else if (entity.starts_with("#") && entity.size() > 1) {
                append_utf8(out, static_cast<char32_t>(std::stoul(std::string(entity.substr(1)))));
            } else {
                return false;
            }
        }
        return true;
    }

    bool element(XmlElement& element)
    {
        if (!starts("<"))
            return false;
        ++at_;
        element.name = name();
        if (element.name.empty())
            return false;
        for (;;) {
            std::size_t const before = at_;
            skip_space();
            if (starts("/>")) {
                at_ += 2;
                return true;
            }
            if (starts(">")) {
                ++at_;
                break;
            }
            if (at_ == before)
                return false; // attributes are separated by white space
            std::string const key = name();
            if (key.empty() || !starts("="))
                return false;
            ++at_;
            if (at_ >= text_.size() || (text_[at_] != '"' && text_[at_] != '\''))
                return false;
            char const quote = text_[at_++];
            std::string value;
            if (!characters(quote, value) || at_ >= text_.size() || text_[at_] != quote)
                return false;
            ++at_;
            if (!element.attributes.emplace(key, value).second)
                return false;
        }
        for (;;) {
            std::string data;
            if (!characters('\0', data))
                return false;
            element.own_text += data;
            element.all_text += data;
            if (at_ >= text_.size())
                return false;
            if (starts("</")) {
                at_ += 2;
                if (name() != element.name)
                    return false;
                skip_space();
                if (!starts(">"))
                    return false;
                ++at_;
                return true;
            }
            XmlElement child;
            if (!this->element(child))
                return false;
            element.all_text += child.all_text;
            element.children.push_back(std::move(child));
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace kp::testing
