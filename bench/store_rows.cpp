#include "store_rows.h"

#include <QDate>
#include <algorithm>
#include <unordered_set>

namespace {

const char* const consonants = "BCDFGHJKLMNPRSTVWZ";
const char* const vowels = "AEIOU";
const char* const kinds[] = {"Invoice", "Statement", "Letter",  "Receipt", "Contract",
                             "Report",  "Policy",    "Payslip", "Notice",  "Certificate"};
constexpr int kindCount = sizeof(kinds) / sizeof(kinds[0]);
constexpr int daysInRange = 5479; // fifteen years
constexpr std::size_t descriptionWidth = 144;

std::string lowered(const std::string& word) {
    std::string text = word;
    for (char& c : text)
        c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string capitalized(const std::string& word) {
    std::string text = lowered(word);
    text[0] = word[0];
    return text;
}

} // namespace

QDate firstDocumentDate() {
    return {2010, 1, 1};
}

QDate lastDocumentDate() {
    return firstDocumentDate().addDays(daysInRange - 1);
}

StoreRows::StoreRows(int words, int folders, int foldersWithDocuments) {
    std::unordered_set<std::string> seen;
    while (static_cast<int>(vocabulary_.size()) < words) {
        std::string word;
        for (int syllables = 2 + below(3); syllables > 0; --syllables) {
            word += consonants[below(18)];
            word += vowels[below(5)];
        }
        if (seen.insert(word).second)
            vocabulary_.push_back(word);
    }
    // Zipf's law: the word of rank r is used in proportion to 1 / r.
    double total = 0;
    for (int rank = 1; rank <= words; ++rank)
        tagWeights_.push_back(total += 1.0 / rank);

    // Folder i takes a word no other folder has; about one in ten is at the top level.
    const int step = folders < words ? words / folders : 1;
    for (int i = 0; i < folders; ++i) {
        FolderRow row;
        row.id = i + 1;
        const bool topLevel = i < 10 || below(10) == 0;
        row.name = vocabulary_[static_cast<std::size_t>(i * step) % vocabulary_.size()] +
                   (topLevel ? " FOLDER" : " SUBFOLDER");
        row.parent = topLevel ? "-" : folders_[static_cast<std::size_t>(below(i))].name;
        row.picture = below(81) - 1;
        folders_.push_back(std::move(row));
    }
    const int spacing = std::max(1, folders / foldersWithDocuments);
    for (int i = 0; i < foldersWithDocuments; ++i)
        documentFolders_.push_back(folders_[static_cast<std::size_t>(i * spacing)].name);
}

std::uint64_t StoreRows::random() {
    // splitmix64: the same sequence on every platform and library.
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int StoreRows::below(int bound) {
    return static_cast<int>(random() % static_cast<unsigned>(bound));
}

const std::string& StoreRows::tagWord() {
    const double point = static_cast<double>(random() >> 11) * 0x1.0p-53 * tagWeights_.back();
    const auto found = std::upper_bound(tagWeights_.begin(), tagWeights_.end(), point);
    const auto rank = std::min<std::size_t>(static_cast<std::size_t>(found - tagWeights_.begin()),
                                            vocabulary_.size() - 1);
    return vocabulary_[rank];
}

DocumentRow StoreRows::nextDocument() {
    DocumentRow row;
    row.id = ++documentId_;
    const auto anyWord = [this] {
        return vocabulary_[static_cast<std::size_t>(below(static_cast<int>(vocabulary_.size())))];
    };
    row.name = std::string(kinds[below(kindCount)]) + " " + capitalized(anyWord()) + " " +
               std::to_string(1 + below(9999));

    std::vector<std::string> tags;
    for (int count = 3 + below(6); static_cast<int>(tags.size()) < count;) {
        const std::string& word = tagWord();
        if (std::find(tags.begin(), tags.end(), word) == tags.end())
            tags.push_back(word);
    }
    for (const std::string& word : tags)
        row.tags += (row.tags.empty() ? "" : " ") + word;

    if (below(100) < 85) {
        row.description = capitalized(anyWord());
        for (int words = 4 + below(12); words > 0; --words) {
            const std::string next = " " + lowered(anyWord());
            if (row.description.size() + next.size() + 1 > descriptionWidth)
                break;
            row.description += next;
        }
        row.description += ".";
    }
    row.path = "/home/user/Documents/Quillox/" + row.name + ".pdf";
    row.date = firstDocumentDate().addDays(below(daysInRange)).toString(Qt::ISODate).toStdString();
    row.folder = documentFolders_[static_cast<std::size_t>(
        below(static_cast<int>(documentFolders_.size())))];
    return row;
}
