#ifndef VIPRATS_TESTS_ROBUST_TREE_H
#define VIPRATS_TESTS_ROBUST_TREE_H

// Copies of the data tree made file by file in a temporary folder, and a
// fixture that restarts the game inside one: the game reads everything
// relative to its working directory, so a test can hand it a tree whose
// files are missing, broken or made small.

#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <system_error>

#include "tests/robust_drive.h"

// What the trees treat apart: pictures and tracks.
enum class DataKind { Picture, Music, Other };

inline DataKind KindOf(const std::filesystem::path& file)
{
    const std::string ext = file.extension().string();
    if (ext == ".png" || ext == ".jpg") return DataKind::Picture;
    return ext == ".ogg" ? DataKind::Music : DataKind::Other;
}

// Writes what a tree holds in place of one file of the real tree.
using FileMaker =
    std::function<void(const std::filesystem::path& from, const std::filesystem::path& to, DataKind kind)>;

// A temporary tree built from the real one by a FileMaker, removed again at
// the end. The folders are always made, so a tree of missing files still has
// the layout the game expects.
class DataTreeCopy {
public:
    DataTreeCopy(const std::string& name, const FileMaker& make)
    {
        namespace fs = std::filesystem;
        // Tests run in parallel processes: each tree gets a name of its own.
        root = fs::temp_directory_path() / ("viprats-" + name + "-" + std::to_string(std::random_device{}()));
        fs::remove_all(root);
        fs::create_directories(root);
        const fs::path real = VIPRATS_DATA_DIR;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(real)) {
            const fs::path inTree = root / fs::relative(entry.path(), real);
            if (entry.is_directory())
                fs::create_directories(inTree);
            else if (entry.is_regular_file())
                make(entry.path(), inTree, KindOf(entry.path()));
        }
    }
    ~DataTreeCopy()
    {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    DataTreeCopy(const DataTreeCopy&) = delete;
    DataTreeCopy& operator=(const DataTreeCopy&) = delete;

    const std::filesystem::path& Root() const { return root; }

private:
    std::filesystem::path root;
};

// The game shut down after the harness started it in the real tree, then
// started again inside a tree the test makes; the working directory comes
// back when the test ends.
class TreeTest : public RobustTest {
protected:
    void StartIn(const std::filesystem::path& tree)
    {
        ShutDown();
        started = false;
        std::filesystem::current_path(tree);
        log.clear();
        kas_notiek = STATE_INTRO;
        tekosais_lvl = STATE_LEVEL0;
        ASSERT_EQ(StartUp(), 0) << log;
        started = true;
    }
    void TearDown() override
    {
        RobustTest::TearDown();
        std::filesystem::current_path(VIPRATS_DATA_DIR);
    }
};

#endif
