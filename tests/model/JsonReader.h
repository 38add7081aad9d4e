// A small reader for the JSON files of the model's tests: objects, arrays, strings without escapes
// other than \" and \\, numbers kept as their text (so that a test can read them as a screen reads
// a typed entry), true, false and null.
#pragma once

#include <cctype>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace tess::model::fixtures {

struct Json {
  std::string text;  // a string's value, a number's text, "true" or "false"
  std::vector<Json> items;
  std::map<std::string, Json> members;

  const Json& operator[](const std::string& name) const {
    const auto found = members.find(name);
    if (found == members.end()) throw std::runtime_error("no member " + name);
    return found->second;
  }
};

class JsonReader {
 public:
  static Json parseFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot open " + path);
    std::ostringstream all;
    all << file.rdbuf();
    JsonReader reader(all.str());
    return reader.value();
  }

 private:
  explicit JsonReader(std::string text) : m_text(std::move(text)) {}

  char peek() {
    while (m_pos < m_text.size() && std::isspace(static_cast<unsigned char>(m_text[m_pos]))) ++m_pos;
    if (m_pos >= m_text.size()) throw std::runtime_error("unexpected end of JSON");
    return m_text[m_pos];
  }
  void expect(char c) {
    if (peek() != c) throw std::runtime_error(std::string("expected ") + c + " at " + std::to_string(m_pos));
    ++m_pos;
  }
  std::string string() {
    expect('"');
    std::string out;
    while (m_text.at(m_pos) != '"') {
      if (m_text[m_pos] == '\\') ++m_pos;
      out += m_text.at(m_pos++);
    }
    ++m_pos;
    return out;
  }
  Json value() {
    Json v;
    const char c = peek();
    if (c == '{') {
      ++m_pos;
      while (peek() != '}') {
        std::string name = string();
        expect(':');
        v.members[name] = value();
        if (peek() == ',') ++m_pos;
      }
      ++m_pos;
    } else if (c == '[') {
      ++m_pos;
      while (peek() != ']') {
        v.items.push_back(value());
        if (peek() == ',') ++m_pos;
      }
      ++m_pos;
    } else if (c == '"') {
      v.text = string();
    } else {
      const std::size_t end = m_text.find_first_of(",]} \t\r\n", m_pos);
      v.text = m_text.substr(m_pos, end - m_pos);
      m_pos = end;
    }
    return v;
  }

  std::string m_text;
  std::size_t m_pos = 0;
};

}  // namespace tess::model::fixtures
