#pragma once

// Random formula trees for differential tests: every operator and built-in function, with
// literals chosen to reach zero divisors, flushing, overflow and the exact square, in the
// variables x and y.

#include <cstddef>
#include <memory>
#include <random>
#include <string>

namespace formula_test {

struct Node {
    enum Kind { number, variable, negation, binary, function } kind = number;
    double value = 0.0;          // number
    int slot = 0;                // variable: 0 for x, 1 for y
    char operation = '+';        // binary
    std::string name;            // function
    std::unique_ptr<Node> left;  // negation operand, binary left, function argument
    std::unique_ptr<Node> right; // binary right
};

// Literals chosen to reach zero divisors, flushing, overflow and the exact square.
inline constexpr char const* literals[] = {"0", "2", "0.5", "3", "1e-100", "1e100", "1e150", "7.25"};
inline constexpr char const* functions[] = {"exp", "log", "ln", "sqrt", "sin", "cos", "tan", "atan",
                                     "acos", "asin", "cosh", "sinh", "tanh", "abs", "rnd", "fnH"};

class FormulaGenerator {
public:
    explicit FormulaGenerator(unsigned seed) : random_(seed) {}

    std::unique_ptr<Node> make(int depth)
    {
        auto node = std::make_unique<Node>();
        int choice = depth <= 0 ? pick(2) : pick(10);
        if (choice == 0) {
            node->kind = Node::number;
            std::string text = literals[pick(std::size(literals))];
            node->name = text;
            node->value = std::stod(text);
        } else if (choice == 1) {
            node->kind = Node::variable;
            node->slot = pick(2);
        } else if (choice == 2) {
            node->kind = Node::negation;
            node->left = make(depth - 1);
        } else if (choice <= 7) {
            node->kind = Node::binary;
            node->operation = "+-*/^"[pick(5)];
            node->left = make(depth - 1);
            node->right = make(depth - 1);
        } else {
            node->kind = Node::function;
            node->name = functions[pick(std::size(functions))];
            node->left = make(depth - 1);
        }
        return node;
    }

private:
    int pick(std::size_t n) { return static_cast<int>(std::uniform_int_distribution<std::size_t>(0, n - 1)(random_)); }
    std::mt19937 random_;
};

inline std::string text_of(Node const& node)
{
    switch (node.kind) {
    case Node::number: return node.name;
    case Node::variable: return node.slot == 0 ? "x" : "y";
    case Node::negation: return "(-" + text_of(*node.left) + ")";
    case Node::binary: return "(" + text_of(*node.left) + node.operation + text_of(*node.right) + ")";
    case Node::function: return node.name + "(" + text_of(*node.left) + ")";
    }
    return {};
}

} // namespace formula_test
