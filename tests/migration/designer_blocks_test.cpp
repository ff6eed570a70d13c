#include "migration/designer_blocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace veldrane::migration {
namespace {

TEST(DesignerBlocks, NestingGroupsAndCommentsAreRead) {
  const RawDesigner designer = ReadDesignerBlocks(
      QStringLiteral("VERSION 5.00\n"
                     "Object = \"{F9043C88-F6F2-101A-A3C9-08002B2F49FB}#1.2#0\"; \"COMDLG32.OCX\"\n"
                     "Begin VB.Form Form1 \n"
                     "   Caption         =   \"It's 'quoted'\"   'a comment\n"
                     "   BeginProperty Font {0BE35203-8F91-11CE-9DE3-00AA004BB851} \n"
                     "      Name            =   \"Arial\"\n"
                     "      Size            =   9.75\n"
                     "   EndProperty\n"
                     "   Begin VB.Frame Frame1 \n"
                     "      Height          =   975\n"
                     "      Begin VB.CommandButton Command1 \n"
                     "         Value           =   -1  'True\n"
                     "      End\n"
                     "   End\n"
                     "   Picture         =   \"Form1.frx\":0000\n"
                     "End\n"
                     "Attribute VB_Name = \"Form1\"\n"
                     "Begin VB.Form NotRead\n"));
  ASSERT_TRUE(designer.found);
  EXPECT_TRUE(designer.problems.empty());
  const RawBlock& form = designer.root;
  EXPECT_EQ(form.vb_class, QStringLiteral("VB.Form"));
  EXPECT_EQ(form.vb_name, QStringLiteral("Form1"));
  EXPECT_EQ(form.Find(QStringLiteral("caption"))->value, QStringLiteral("\"It's 'quoted'\""));
  EXPECT_EQ(form.Find(QStringLiteral("Font.Name"))->value, QStringLiteral("\"Arial\""));
  EXPECT_EQ(form.Find(QStringLiteral("Font.Size"))->line, 7);
  EXPECT_EQ(form.Find(QStringLiteral("Picture"))->value, QStringLiteral("\"Form1.frx\":0000"));
  ASSERT_EQ(form.children.size(), 1u);
  ASSERT_EQ(form.children[0].children.size(), 1u);
  EXPECT_EQ(form.children[0].children[0].Find(QStringLiteral("Value"))->value, QStringLiteral("-1"));
  EXPECT_EQ(form.children[0].children[0].line, 11);
}

TEST(DesignerBlocks, MalformedTextGivesATreeAndProblems) {
  const struct {
    const char* text;
    bool found;
    size_t children;
    size_t problems;
  } cases[] = {
      {"Attribute VB_Name = \"Module1\"\n", false, 0, 0},
      {"Begin VB.Form F\nBegin VB.Label L\nCaption = \"x\"\n", true, 1, 1},  // no End at all
      {"Begin VB.Form F\nthis is not a property\nEnd\n", true, 0, 1},
      {"Begin VB.Form F\nEndProperty\nEnd\n", true, 0, 1},
      {"Begin VB.Form F\nBeginProperty Font\nBegin VB.Label L\nEnd\nEnd\n", true, 1, 1},
      {"Begin\nEnd\n", true, 0, 1},
  };
  for (const auto& c : cases) {
    const RawDesigner designer = ReadDesignerBlocks(QString::fromLatin1(c.text));
    EXPECT_EQ(designer.found, c.found) << c.text;
    EXPECT_EQ(designer.root.children.size(), c.children) << c.text;
    EXPECT_EQ(designer.problems.size(), c.problems) << c.text;
  }
}

TEST(DesignerBlocks, DeepNestingIsKeptAtABoundedDepth) {
  QString text;
  constexpr int kLevels = 500;
  for (int level = 0; level < kLevels; ++level)
    text += QStringLiteral("Begin VB.PictureBox P%1\n").arg(level);
  for (int level = 0; level < kLevels; ++level) text += QStringLiteral("End\n");
  const RawDesigner designer = ReadDesignerBlocks(text);
  ASSERT_TRUE(designer.found);
  EXPECT_FALSE(designer.problems.empty());
  size_t depth = 0, blocks = 0;
  std::function<void(const RawBlock&, size_t)> walk = [&](const RawBlock& block, size_t level) {
    ++blocks;
    depth = std::max(depth, level);
    for (const RawBlock& child : block.children) walk(child, level + 1);
  };
  walk(designer.root, 1);
  EXPECT_EQ(blocks, static_cast<size_t>(kLevels));
  EXPECT_EQ(depth, kMaxDesignerDepth + 1);
}

}  // namespace
}  // namespace veldrane::migration
