#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tamovid {

/// Whether a key table lists its rows in the order of its enumeration, so that the
/// enumeration can index it: `static_assert(RowsInEnumOrder(kTable, &Row::value))`.
template <typename Table, typename Member>
constexpr bool RowsInEnumOrder(const Table& table, Member column) {
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (static_cast<std::size_t>(table[i].*column) != i) return false;
    }
    return true;
}

/// Whether a text names a key: equal after folding case, with blank, hyphen and
/// underscore alike ("True Chitra", "true_chitra" and "TRUE-CHITRA" all name "true-chitra").
bool SameKey(std::string_view text, std::string_view key);

/// The value of the row whose key (or, with two columns, either of them) a text names;
/// nothing when none does.
template <typename Table, typename Value, typename Row = typename Table::value_type>
auto FindByKey(const Table& table, std::string_view text, Value Row::*value,
               std::string_view Row::*key, std::string_view Row::*other = nullptr)
    -> std::optional<Value> {
    for (const Row& row : table) {
        if (SameKey(text, row.*key) || (other != nullptr && SameKey(text, row.*other))) {
            return row.*value;
        }
    }
    return std::nullopt;
}

/// A table's keys as help and error texts list them: "lahiri, raman, .. or yukteshwar",
/// with `mark` after `markedKey` (" (the default)"); `last` joins the last two ("nor").
template <typename Table, typename Row = typename Table::value_type>
std::string KeyList(const Table& table, std::string_view Row::*key, std::string_view markedKey = {},
                    std::string_view mark = {}, std::string_view last = "or") {
    std::string text;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (i > 0) text += i + 1 == table.size() ? " " + std::string(last) + " " : ", ";
        text += table[i].*key;
        if (table[i].*key == markedKey) text += mark;
    }
    return text;
}

/// A table's keys as an option's value is shown in help: "mean|true".
template <typename Table, typename Row = typename Table::value_type>
std::string KeyChoices(const Table& table, std::string_view Row::*key) {
    std::string text;
    for (const Row& row : table) text += (text.empty() ? "" : "|") + std::string(row.*key);
    return text;
}

}  // namespace tamovid
