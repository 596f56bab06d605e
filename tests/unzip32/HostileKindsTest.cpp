// Archives of other kinds built to do harm. Each attack is refused as its ZIP
// counterpart is: nothing lands outside the destination, nothing special is
// made, and the honest entries beside it still arrive.
#include "EngineCall.h"
#include "KindMakers.h"
#include "Mounts.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Python that writes a tar of the members given as (name, type, data, extra)
// tuples; `extra` sets TarInfo attributes (linkname, mode, size...).
const char *const kTarMaker = R"(
import io, tarfile
def make(path, members, mode='w'):
    with tarfile.open(path, mode, format=tarfile.GNU_FORMAT) as tar:
        for name, kind, data, extra in members:
            info = tarfile.TarInfo(name)
            info.type = kind
            info.size = len(data)
            info.mtime = 1000000000
            for key, value in extra.items():
                setattr(info, key, value)
            tar.addfile(info, io.BytesIO(data) if data else None)
F, L, S, C, P, D = tarfile.REGTYPE, tarfile.LNKTYPE, tarfile.SYMTYPE, tarfile.CHRTYPE, tarfile.FIFOTYPE, tarfile.DIRTYPE
)";

bool MakeTar(const TempDir &dir, const std::string &members)
{
    return PythonIn(dir.path(), std::string(kTarMaker) + members);
}

bool Printed(const EngineCall &call, const std::string &prefix) { return call.printedStarting(prefix); }

} // namespace

TEST(HostileKinds, NamesClimbingOutOrHidingControlsStayInside)
{
    TempDir dir;
    std::string deep;
    for (int i = 0; i < 300; ++i)
        deep += "d/";
    ASSERT_TRUE(MakeTar(dir,
                        "make('names.tar', [('../up.txt', F, b'1', {}), ('/etc/abs.txt', F, b'2', {}),"
                        " ('a/../../../b.txt', F, b'3', {}), ('bad\\x1b[31m.txt', F, b'4', {}),"
                        " ('"
                            + deep + "f.txt', F, b'5', {})])"));
    EngineCall call((dir / "names.tar").string(), (dir / "deep/out").string());
    EXPECT_EQ(call.run(), UZ_OK);
    EXPECT_TRUE(call.printed("extracted: ../up.txt: written as up.txt")) << "\"..\" must not climb out";
    EXPECT_TRUE(call.printed("extracted: /etc/abs.txt: written as etc/abs.txt")) << "an absolute name lands inside";
    EXPECT_TRUE(call.printed("extracted: bad\\x1b[31m.txt: written as bad_[31m.txt"))
        << "a control character is shown escaped, and written as \"_\"";
    EXPECT_TRUE(fs::exists(dir / ("deep/out/" + deep + "f.txt"))) << "a deep path is written, folder by folder";
    EXPECT_EQ(FilesBelow(dir / "deep").size(), 5u) << "nothing lands beside the destination";
}

TEST(HostileKinds, HardLinksOnlyRepeatFilesThisArchiveWrote)
{
    TempDir dir;
    dir.write("outside.txt", "keep");
    ASSERT_TRUE(MakeTar(dir,
                        "make('links.tar', [('a.txt', F, b'honest', {}),"
                        " ('passwd', L, b'', {'linkname': '/etc/passwd'}),"
                        " ('up', L, b'', {'linkname': '../outside.txt'}),"
                        " ('early', L, b'', {'linkname': 'later.txt'}), ('later.txt', F, b'late', {}),"
                        " ('b.txt', L, b'', {'linkname': 'a.txt'}), ('b.txt', L, b'', {'linkname': 'a.txt'})])"));
    EngineCall call((dir / "links.tar").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(Printed(call, "error: passwd: refused: a hard link to \"/etc/passwd\""))
        << "a link to a file outside is never made";
    EXPECT_TRUE(Printed(call, "error: up: refused: a hard link")) << "nor one that climbs out";
    EXPECT_TRUE(Printed(call, "error: early: refused: a hard link")) << "nor one to a file not yet written";
    EXPECT_EQ(FilesBelow(dir / "out"), (std::vector<std::string>{"a.txt", "b.txt", "later.txt"}))
        << "the same link twice leaves no name of the engine's own behind";
    struct stat a {
    }, b{};
    ASSERT_EQ(stat((dir / "out/a.txt").c_str(), &a), 0);
    ASSERT_EQ(stat((dir / "out/b.txt").c_str(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino) << "a link to a file written by this archive is a hard link to that file";
    EXPECT_EQ(dir.read("outside.txt"), "keep");
}

// newc carries a hard-link group's data with its last name: every name gets
// it, yet only names this call wrote are ever replaced by links to it.
TEST(HostileKinds, ACpioLinkGroupSharesItsDataOnlyAmongFilesThisCallWrote)
{
    TempDir dir;
    // Written here, in this order: GNU cpio orders a group as it likes.
    ASSERT_TRUE(PythonIn(dir.path(), R"(
def member(name, data, ino=7, nlink=3):
    fields = [ino, 0o100644, 0, 0, nlink, 1000000000, len(data), 0, 0, 0, 0, len(name) + 1, 0]
    head = b'070701' + b''.join(b'%08X' % f for f in fields) + name + b'\0'
    return head + b'\0' * (-len(head) % 4) + data + b'\0' * (-len(data) % 4)
with open('g.cpio', 'wb') as out:
    out.write(member(b'a', b'') + member(b'b', b'') + member(b'c', b'data\n') + member(b'TRAILER!!!', b'', 0, 1))
)"));
    EngineCall whole((dir / "g.cpio").string(), (dir / "whole").string());
    EXPECT_EQ(whole.run(), UZ_OK);
    struct stat a {
    }, c{};
    ASSERT_EQ(stat((dir / "whole/a").c_str(), &a), 0);
    ASSERT_EQ(stat((dir / "whole/c").c_str(), &c), 0);
    EXPECT_EQ(a.st_ino, c.st_ino);
    EXPECT_EQ(a.st_nlink, 3u);
    EXPECT_EQ(dir.read("whole/b"), "data\n");

    dir.write("part/a", "mine");
    EngineCall part((dir / "g.cpio").string(), (dir / "part").string());
    part.include = {"b", "c"};
    EXPECT_EQ(part.run(), UZ_SOME_FAILED) << "b repeats a, which this call did not write";
    EXPECT_EQ(dir.read("part/a"), "mine");
    EXPECT_EQ(dir.read("part/c"), "data\n");
}

TEST(HostileKinds, SymlinksLeadingOutAreRefusedAndNeverWrittenThrough)
{
    TempDir dir;
    fs::create_directories(dir / "outside");
    ASSERT_TRUE(MakeTar(dir,
                        "make('sym.tar', [('ln', S, b'', {'linkname': '../outside'}),"
                        " ('ln/evil.txt', F, b'evil', {}), ('abs', S, b'', {'linkname': '/etc'}),"
                        " ('fine', S, b'', {'linkname': 'ok.txt'}), ('ok.txt', F, b'ok', {})])"));
    EngineCall call((dir / "sym.tar").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(fs::is_empty(dir / "outside")) << "a file after a link is never written through it";
    EXPECT_TRUE(fs::exists(dir / "out/ln/evil.txt")) << "links are made last: the file went into a real folder";
    EXPECT_TRUE(Printed(call, "error: abs: refused: the link's target")) << "a link to an absolute path is refused";
    EXPECT_FALSE(fs::exists(fs::symlink_status(dir / "out/abs")));
    EXPECT_EQ(fs::read_symlink(dir / "out/fine"), "ok.txt") << "a link that stays inside is made";

    // An ISO's Rock Ridge links are held to the same rule.
    fs::create_directories(dir / "iso");
    fs::create_symlink("../../../etc/passwd", dir / "iso/out");
    fs::create_symlink("/etc/passwd", dir / "iso/abs");
    dir.write("iso/plain.txt", "plain");
    ASSERT_TRUE(RunIn(dir.path(), "xorriso -as mkisofs -R -o links.iso iso"));
    EngineCall iso((dir / "links.iso").string(), (dir / "isoout").string());
    EXPECT_EQ(iso.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(Printed(iso, "error: out: refused: the link's target"));
    EXPECT_TRUE(Printed(iso, "error: abs: refused: the link's target"));
    EXPECT_EQ(FilesBelow(dir / "isoout"), std::vector<std::string>{"plain.txt"});
}

TEST(HostileKinds, DevicesFifosAndSpecialBitsAreNeverMade)
{
    TempDir dir;
    ASSERT_TRUE(MakeTar(dir,
                        "make('special.tar', [('null', C, b'', {'devmajor': 1, 'devminor': 3}),"
                        " ('pipe', P, b'', {}), ('root-shell', F, b'#!/bin/sh', {'mode': 0o6755}),"
                        " ('shared', D, b'', {'mode': 0o1777})])"));
    EngineCall call((dir / "special.tar").string(), (dir / "out").string());
    EXPECT_EQ(call.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(Printed(call, "error: null: refused: a device node"));
    EXPECT_TRUE(Printed(call, "error: pipe: refused: a FIFO"));
    EXPECT_EQ(FilesBelow(dir / "out"), std::vector<std::string>{"root-shell"});
    struct stat info {};
    ASSERT_EQ(stat((dir / "out/root-shell").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07000, 0u) << "set-user-id and set-group-id never reach the disk";
    ASSERT_EQ(stat((dir / "out/shared").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07000, 0u) << "nor a sticky bit";
}

TEST(HostileKinds, SizesThatOnlyALieCanHaveAreRefused)
{
    TempDir dir;
    // A header declaring 2^62 bytes (base-256) ahead of a few, and a sparse
    // file declaring four terabytes; an honest small sparse file beside them.
    ASSERT_TRUE(PythonIn(dir.path(), R"(
import gzip, tarfile
info = tarfile.TarInfo('liar.bin'); info.size = 1 << 62
header = info.tobuf(tarfile.GNU_FORMAT)
with gzip.open('liar.tar.gz', 'wb') as out:
    out.write(header + b'x' * 4096)
with open('huge', 'wb') as f:
    f.truncate(4 << 40)
with open('holes', 'wb') as f:
    f.seek(5 << 20); f.write(b'end')
)"));
    ASSERT_TRUE(RunIn(dir.path(), "tar -cSf sparse.tar huge holes && rm huge"));
    // A 7z of one stored file of four bytes that declares 2^63 - 1, built byte by byte.
    ASSERT_TRUE(PythonIn(dir.path(), R"(
import struct, zlib
def num(v, wide=False):
    return bytes([v]) if not wide and v < 0x80 else b'\xff' + struct.pack('<Q', v)
data, name = b'data', 'huge.bin'.encode('utf-16-le') + b'\0\0'
header = (b'\x01\x04\x06' + num(0) + num(1) + b'\x09' + num(len(data)) + b'\x00'
          + b'\x07\x0b' + num(1) + b'\x00' + num(1) + b'\x01\x00\x0c' + num((1 << 63) - 1, True) + b'\x00'
          + b'\x08\x00\x00\x05' + num(1) + b'\x11' + num(len(name) + 1) + b'\x00' + name + b'\x00\x00')
start = struct.pack('<QQI', len(data), len(header), zlib.crc32(header))
open('huge.7z', 'wb').write(b'7z\xbc\xaf\x27\x1c\x00\x04' + struct.pack('<I', zlib.crc32(start)) + start + data + header)
)"));
    for (int testOnly : {0, 1}) {
        EngineCall huge((dir / "huge.7z").string(), (dir / "huge").string());
        huge.options.TestOnly = testOnly;
        EXPECT_EQ(huge.run(), UZ_SOME_FAILED);
        EXPECT_TRUE(Printed(huge, "error: huge.bin: refused: it declares 9223372036854775807 bytes, more than"))
            << "a 7z size near 2^63 is a lie its archive cannot hold: " << testing::PrintToString(huge.lines);
    }
    EngineCall liar((dir / "liar.tar.gz").string(), (dir / "out").string());
    EXPECT_NE(liar.run(), UZ_OK);
    EXPECT_TRUE(Printed(liar, "error: liar.bin: refused: it declares 4611686018427387904 bytes, more than"))
        << testing::PrintToString(liar.lines);
    EngineCall sparse((dir / "sparse.tar").string(), (dir / "sparse").string());
    EXPECT_EQ(sparse.run(), UZ_SOME_FAILED);
    EXPECT_TRUE(Printed(sparse, "error: huge: refused: it declares 4398046511104 bytes but only"))
        << "a sparse file of terabytes is weighed against the free space, not written";
    EXPECT_EQ(FilesBelow(dir / "sparse"), std::vector<std::string>{"holes"});
    struct stat info {};
    ASSERT_EQ(stat((dir / "sparse/holes").c_str(), &info), 0);
    EXPECT_EQ(info.st_size, (5 << 20) + 3);
    EXPECT_LT(info.st_blocks * 512, 1 << 20) << "its hole is written as a hole";
}

TEST(HostileKinds, CompressedStreamsDecodingPastTheFreeSpaceAreRefused)
{
    TempDir dir;
    TestMount disk(dir / "disk", "2m");
    if (!disk.mounted())
        GTEST_SKIP() << disk.whyNot();
    ASSERT_TRUE(RunIn(dir.path(),
                      "yes | head -c 16M > ys && xz -k ys && gzip -k ys && head -c 16M /dev/zero | xz -c > zeros.xz"));
    for (const char *bomb : {"ys.xz", "ys.gz", "zeros.xz"}) {
        SCOPED_TRACE(bomb);
        EngineCall call((dir / bomb).string(), (dir / "disk/out").string());
        EXPECT_EQ(call.run(), UZ_SOME_FAILED);
        EXPECT_TRUE(
            Printed(call, "error: " + fs::path(bomb).stem().string() + ": refused: it decodes to more than the"))
            << "a stream without a declared size stops at the free space: " << testing::PrintToString(call.lines);
        EXPECT_TRUE(FilesBelow(dir / "disk/out").empty()) << "and leaves nothing behind";
    }
}

TEST(HostileKinds, CabinetNamesWithDotsStayInside)
{
    TempDir dir;
    // A stored cabinet of two files, one named "..\..\evil.txt", built byte by byte.
    ASSERT_TRUE(PythonIn(dir.path(), R"(
import struct
files = [(b'..\\..\\evil.txt', b'evil'), (b'good.txt', b'good')]
data = b''.join(d for _, d in files)
entries = b''; offset = 0
for name, d in files:
    entries += struct.pack('<IIHHHH', len(d), offset, 0, 0x3021, 0, 0x20) + name + b'\0'; offset += len(d)
header_size = 36 + 8
first_data = header_size + len(entries)
block = struct.pack('<IHH', 0, len(data), len(data)) + data
total = first_data + len(block)
header = b'MSCF' + struct.pack('<IIIIIBBHHHHH', 0, total, 0, header_size, 0, 3, 1, 1, len(files), 0, 0, 0)
folder = struct.pack('<IHH', first_data, 1, 0)
open('dots.cab', 'wb').write(header + folder + entries + block)
)"));
    EngineCall call((dir / "dots.cab").string(), (dir / "deep/out").string());
    EXPECT_EQ(call.run(), UZ_OK) << testing::PrintToString(call.lines);
    EXPECT_EQ(FilesBelow(dir / "deep"), (std::vector<std::string>{"out/evil.txt", "out/good.txt"}))
        << "\"..\" in a cabinet's name climbs nowhere";
}
