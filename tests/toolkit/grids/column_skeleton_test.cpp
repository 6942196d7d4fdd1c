// The constants and table skeleton that SaveColumnsToFile writes.
#include <gtest/gtest.h>

#include "common/temp_prefix.h"
#include "fake_grid.h"
#include "platform/sys/errors.h"
#include "toolkit/grids/column_skeleton.h"

namespace {

using namespace Colgrid;
using gridtest::FakeGrid;

TEST(ColumnSkeleton, CodAndDenumireWithoutDataSource) {
    kxtest::TempPrefix prefix;
    FakeGrid grid;
    grid.AddColumns({"Cod", "Denumire"});
    grid.SaveColumnsToFile("C:\\Schita.pas");

    const std::string expected =
        "// Constante TEMP\r\n"
        "const\r\n"
        "  flTEMP_Cod       =   0;\r\n"
        "  flTEMP_Denumire  =   1;\r\n"
        " \r\n"
        "// Creez structura TEMP\r\n"
        "  TMTable(TEMP.DataSet) := TMTable.Create(nil);\r\n"
        "  with TMTable(TEMP.DataSet) do begin\r\n"
        "    Add('Cod'      , ftFloat   ,  0, False);\r\n"
        "    Add('Denumire' , ftFloat   ,  0, False);\r\n"
        "  end;\r\n"
        "  TMTable(TEMP.DataSet).CheckNames;\r\n"
        "  TMTable(TEMP.DataSet).CreateTable;\r\n"
        "  TMTable(TEMP.DataSet).Active := True;\r\n"
        "  //TMTable(TEMP.DataSet).FieldByName('CampFloat').DisplayFormat:= '#,##0.##';\r\n"
        "  //TMTable(TEMP.DataSet).FieldByName('CampDateTime').EditMask:= '99.99.9999';\r\n";
    EXPECT_EQ(kxtest::TempPrefix::Read(prefix.C("Schita.pas")), expected);
}

TEST(ColumnSkeleton, NamesTheDataSourceAndNumbersPastNine) {
    std::vector<std::string> names;
    for (int i = 0; i < 12; ++i)
        names.push_back("C" + std::to_string(i));
    std::vector<std::string> lines = ColumnSkeletonLines("dsFacturi", names);
    EXPECT_EQ(lines[0], "// Constante dsFacturi");
    EXPECT_EQ(lines[2], "  fldsFacturi_C0   =   0;");
    EXPECT_EQ(lines[13], "  fldsFacturi_C11  =  11;");
    EXPECT_EQ(lines[16], "  TMTable(dsFacturi.DataSet) := TMTable.Create(nil);");
    EXPECT_EQ(lines[18], "    Add('C0'  , ftFloat   ,  0, False);");

    // No columns: the frame alone.
    std::vector<std::string> empty = ColumnSkeletonLines("TEMP", {});
    EXPECT_EQ(empty.size(), 12u);
    EXPECT_EQ(empty[2], " ");
}

TEST(ColumnSkeleton, AFolderThatCannotBeWrittenRaisesNamingTheFile) {
    kxtest::TempPrefix prefix;
    // A file where the folder should be: no one can write below it.
    kxtest::TempPrefix::Write(prefix.C("Blocat"), "nu este un dosar");
    FakeGrid grid;
    grid.AddColumns({"Cod"});
    for (const std::string path : {"C:\\Blocat\\Schita.pas", "C:\\Lipsa\\Schita.pas"}) {
        try {
            grid.SaveColumnsToFile(path);
            ADD_FAILURE() << "no error for " << path;
        } catch (const sys::EInOutError& error) {
            EXPECT_EQ(error.Path, path);
        }
    }
    EXPECT_EQ(kxtest::TempPrefix::Read(prefix.C("Blocat")), "nu este un dosar");
}

} // namespace
