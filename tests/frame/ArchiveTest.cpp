#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "fpgeom/frame/Archive.h"
#include "fpgeom/frame/File.h"
#include "fpgeom/frame/ObList.h"
#include "frame/SampleObjects.h"
#include "frame/TempDirectory.h"

namespace fpgeom::test {

// Class names at and just past the longest an archive names.
class SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName : public CObject {
  DECLARE_SERIAL(SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName)
};
IMPLEMENT_SERIAL(SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName, CObject, 1)

class SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames : public CObject {
  DECLARE_SERIAL(SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames)
};
IMPLEMENT_SERIAL(SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames, CObject, 1)

namespace {

using Bytes = std::vector<BYTE>;
using Action = std::function<void(CArchive&)>;

Bytes Stored(const Action& write) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  write(ar);
  ar.Close();
  return Bytes(file.GetBuffer(), file.GetBuffer() + file.GetLength());
}

// Loads from the given bytes; the archive must have consumed all of them.
void Load(Bytes bytes, const Action& read) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&file, CArchive::load);
  read(ar);
  BYTE extra = 0;
  EXPECT_EQ(ar.Read(&extra, 1), 0u) << "bytes left unread";
}

// The cause of the archive exception the action throws, or -1.
int ThrownCause(const std::function<void()>& action) {
  try {
    action();
  } catch (const CArchiveException& error) {
    return error.m_cause;
  }
  return -1;
}

int LoadingFailure(Bytes bytes, const Action& read) {
  CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
  CArchive ar(&file, CArchive::load);
  return ThrownCause([&] { read(ar); });
}

// Builds archive bytes by hand, little-endian.
struct ByteWriter {
  Bytes bytes;
  ByteWriter& Le(unsigned long long value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<BYTE>(value >> (8 * i)));
    return *this;
  }
  ByteWriter& Word(unsigned value) { return Le(value, 2); }
  ByteWriter& Dword(unsigned long long value) { return Le(value, 4); }
  ByteWriter& NewClass(unsigned schema, const std::string& name) {
    Word(0xFFFF).Word(schema).Word(static_cast<unsigned>(name.size()));
    bytes.insert(bytes.end(), name.begin(), name.end());
    return *this;
  }
  ByteWriter& NewSample(std::int32_t value) { return NewClass(3, "SampleValue").Dword(static_cast<std::uint32_t>(value)); }
};

std::unique_ptr<CObject> ReadAny(CArchive& ar) { return std::unique_ptr<CObject>(ar.ReadObject(nullptr)); }
std::int32_t ValueOf(const CObject* object) { return static_cast<const SampleValue*>(object)->m_value; }

void ReadTwo(CArchive& ar) {
  std::unique_ptr<CObject> first = ReadAny(ar);
  std::unique_ptr<CObject> second = ReadAny(ar);
}

TEST(Archive, WritesScalarsLittleEndianAndDoublesBitForBit) {
  const Bytes bytes = Stored([](CArchive& ar) {
    ar << static_cast<BYTE>(0xA1) << static_cast<WORD>(0xB2C3) << static_cast<DWORD>(0xD4E5F607u)
       << static_cast<std::int32_t>(-2) << static_cast<ULONGLONG>(0x0102030405060708ull) << 1.5;
  });
  EXPECT_EQ(bytes, (Bytes{0xA1, 0xC3, 0xB2, 0x07, 0xF6, 0xE5, 0xD4, 0xFE, 0xFF, 0xFF, 0xFF, 0x08, 0x07, 0x06,
                          0x05, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F}));
  Load(bytes, [](CArchive& ar) {
    BYTE b = 0;
    WORD w = 0;
    DWORD dw = 0;
    std::int32_t l = 0;
    ULONGLONG qw = 0;
    double d = 0;
    ar >> b >> w >> dw >> l >> qw >> d;
    EXPECT_EQ(std::make_tuple(b, w, dw, l, qw, d), std::make_tuple(0xA1, 0xB2C3, 0xD4E5F607u, -2, 0x0102030405060708ull, 1.5));
  });

  const double values[] = {0.0, -0.0, 0.1, -1e308, 5e-324, std::numeric_limits<double>::infinity()};
  Load(Stored([&](CArchive& ar) { for (double value : values) ar << value; }), [&](CArchive& ar) {
    double read[std::size(values)] = {};
    for (double& value : read) ar >> value;
    EXPECT_EQ(std::memcmp(read, values, sizeof values), 0);
  });
}

TEST(Archive, WritesCountsInTheirThreeSizes) {
  const std::pair<DWORD_PTR, Bytes> cases[] = {
      {0, ByteWriter().Word(0).bytes},
      {0xFFFE, ByteWriter().Word(0xFFFE).bytes},
      {0xFFFF, ByteWriter().Word(0xFFFF).Dword(0xFFFF).bytes},
      {0xFFFFFFFE, ByteWriter().Word(0xFFFF).Dword(0xFFFFFFFE).bytes},
      {0xFFFFFFFF, ByteWriter().Word(0xFFFF).Dword(0xFFFFFFFF).Le(0xFFFFFFFF, 8).bytes},
      {0x123456789ull, ByteWriter().Word(0xFFFF).Dword(0xFFFFFFFF).Le(0x123456789ull, 8).bytes},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.first);
    EXPECT_EQ(Stored([&](CArchive& ar) { ar.WriteCount(c.first); }), c.second);
    Load(c.second, [&](CArchive& ar) { EXPECT_EQ(ar.ReadCount(), c.first); });
  }
}

TEST(Archive, WritesNewClassesThenBackReferencesWithSharedIndices) {
  SampleValue first(7);
  SampleValue second(-1);
  SampleDerived derived;
  derived.m_value = 9;
  const Bytes bytes = Stored([&](CArchive& ar) {
    ar << &first << &second << &first << static_cast<const CObject*>(nullptr) << &derived << &derived;
  });
  // Indices: 1 SampleValue, 2 first, 3 second, 4 SampleDerived, 5 derived.
  EXPECT_EQ(bytes, ByteWriter()
                       .NewSample(7).Word(0x8001).Dword(0xFFFFFFFF).Word(2).Word(0)
                       .NewClass(1, "SampleDerived").Dword(9).Word(5)
                       .bytes);

  Load(bytes, [](CArchive& ar) {
    std::unique_ptr<SampleValue> a(static_cast<SampleValue*>(ar.ReadObject(RUNTIME_CLASS(SampleValue))));
    std::unique_ptr<CObject> b = ReadAny(ar);
    EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(SampleValue)), a.get());
    EXPECT_EQ(ar.ReadObject(nullptr), nullptr);
    SampleDerived* d = nullptr;
    ar >> d;
    std::unique_ptr<CObject> ownedD(d);
    EXPECT_EQ(ar.ReadObject(RUNTIME_CLASS(CObject)), d);
    ASSERT_TRUE(a && b && d);
    EXPECT_EQ(a->m_value, 7);
    EXPECT_EQ(ValueOf(b.get()), -1);
    EXPECT_EQ(b->GetRuntimeClass(), RUNTIME_CLASS(SampleValue));
    EXPECT_EQ(d->m_value, 9);
    // Each object learns the schema its class was archived with.
    EXPECT_EQ(a->m_loadedSchema, 3u);
    EXPECT_EQ(static_cast<SampleValue*>(b.get())->m_loadedSchema, 3u);
    EXPECT_EQ(d->m_loadedSchema, 1u);
  });
}

TEST(Archive, ReadClassGivesTheArchivedSchema) {
  Load(ByteWriter().NewSample(5).Word(0x8001).bytes, [](CArchive& ar) {
    UINT schema = 0;
    EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(SampleValue), &schema), RUNTIME_CLASS(SampleValue));
    EXPECT_EQ(schema, 3u);
    DWORD value = 0;
    ar >> value;
    EXPECT_EQ(value, 5u);
    schema = 0;
    EXPECT_EQ(ar.ReadClass(RUNTIME_CLASS(CObject), &schema), RUNTIME_CLASS(SampleValue));
    EXPECT_EQ(schema, 3u);
  });
}

TEST(Archive, SwitchesToTheLongFormsOnceIndicesReach0x7FFF) {
  // Index 1 is the class; objects take 2 .. 0x8001, so the last ones pass 0x7FFF.
  std::vector<SampleValue> values(0x8000);
  for (std::size_t i = 0; i < values.size(); ++i) values[i].m_value = static_cast<std::int32_t>(i);
  SampleDerived late;
  late.m_value = 42;
  SampleDerived later;
  const Bytes bytes = Stored([&](CArchive& ar) {
    for (const SampleValue& value : values) ar << &value;
    ar << &values[0x7FFC] << &values[0x7FFD] << &values[0x7FFE] << &late << &later;
  });

  const std::size_t objectsEnd = 21 + 6 * (values.size() - 1);
  const std::size_t lateIndex = 0x8000 + 3;  // after the class, the objects and SampleDerived
  const Bytes tail = ByteWriter()
                         .Word(0x7FFE).Word(0x7FFF).Dword(0x7FFF).Word(0x7FFF).Dword(0x8000)
                         .NewClass(1, "SampleDerived").Dword(42)
                         .Word(0x7FFF).Dword(0x80000000u | (lateIndex - 1)).Dword(0)
                         .bytes;
  ASSERT_EQ(bytes.size(), objectsEnd + tail.size());
  EXPECT_EQ(Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(objectsEnd), bytes.end()), tail);

  Load(bytes, [&](CArchive& ar) {
    std::vector<std::unique_ptr<CObject>> read;
    for (std::size_t i = 0; i < values.size(); ++i) read.push_back(ReadAny(ar));
    for (std::size_t i : {0x7FFC, 0x7FFD, 0x7FFE}) EXPECT_EQ(ar.ReadObject(nullptr), read[i].get());
    std::unique_ptr<CObject> lateRead = ReadAny(ar);
    std::unique_ptr<CObject> laterRead = ReadAny(ar);
    EXPECT_EQ(ValueOf(read.back().get()), 0x7FFF);
    EXPECT_EQ(ValueOf(lateRead.get()), 42);
    EXPECT_EQ(laterRead->GetRuntimeClass(), RUNTIME_CLASS(SampleDerived));
  });
}

TEST(Archive, ReportsAShortReadAsEndOfFile) {
  const Bytes full = ByteWriter().NewSample(1234).Word(0x8001).Dword(5).bytes;
  for (std::size_t length = 0; length < full.size(); ++length) {
    SCOPED_TRACE(length);
    const int live = SampleValue::s_live;
    EXPECT_EQ(LoadingFailure(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length)), ReadTwo),
              CArchiveException::endOfFile);
    // A record cut short deletes the object it was filling.
    EXPECT_EQ(SampleValue::s_live, live);
  }
  const Action readers[] = {
      [](CArchive& ar) { ULONGLONG qw; ar >> qw; },
      [](CArchive& ar) { double d; ar >> d; },
      [](CArchive& ar) { DWORD dw; ar >> dw >> dw; },
      [](CArchive& ar) { ar.ReadCount(); ar.ReadCount(); ar.ReadCount(); },
  };
  for (const Action& read : readers) EXPECT_EQ(LoadingFailure(ByteWriter().Dword(1).bytes, read), CArchiveException::endOfFile);
}

TEST(Archive, RefusesBadIndicesUnknownOrUnexpectedClassesAndOtherSchemas) {
  struct Case {
    const char* name;
    Bytes bytes;
    const CRuntimeClass* expected;
    int objectsBefore;  // read as any class before the one that fails
    int cause;
  };
  const int badIndex = CArchiveException::badIndex;
  const int badClass = CArchiveException::badClass;
  const int badSchema = CArchiveException::badSchema;
  const Case cases[] = {
      {"object index not yet defined", ByteWriter().NewSample(1).Word(3).bytes, nullptr, 1, badIndex},
      {"object index naming a class", ByteWriter().NewSample(1).Word(1).bytes, nullptr, 1, badIndex},
      {"class index naming an object", ByteWriter().NewSample(1).Word(0x8002).bytes, nullptr, 1, badIndex},
      {"class index 0", ByteWriter().Word(0x8000).bytes, nullptr, 0, badIndex},
      {"class index not yet defined", ByteWriter().NewSample(1).Word(0x8003).bytes, nullptr, 1, badIndex},
      {"unknown name", ByteWriter().NewClass(3, "NoSuchClass").Dword(1).bytes, nullptr, 0, badClass},
      {"empty name", ByteWriter().NewClass(3, "").Dword(1).bytes, nullptr, 0, badClass},
      {"name with a trailing zero byte", ByteWriter().NewClass(3, std::string("SampleValue\0", 12)).Dword(1).bytes,
       nullptr, 0, badClass},
      {"name with a zero byte inside", ByteWriter().NewClass(3, std::string("SampleValue\0x", 13)).Dword(1).bytes,
       nullptr, 0, badClass},
      {"a class that cannot be created", ByteWriter().NewClass(0xFFFF, "CObject").bytes, nullptr, 0, badClass},
      {"base where a derived class is expected", ByteWriter().NewSample(1).bytes, RUNTIME_CLASS(SampleDerived), 0,
       badClass},
      {"another class", ByteWriter().NewSample(1).bytes, RUNTIME_CLASS(CObList), 0, badClass},
      {"class reference to another class", ByteWriter().NewSample(1).Word(0x8001).Dword(2).bytes,
       RUNTIME_CLASS(CObList), 1, badClass},
      {"back reference to another class", ByteWriter().NewSample(1).Word(2).bytes, RUNTIME_CLASS(CObList), 1, badClass},
      {"schema 0", ByteWriter().NewClass(0, "SampleValue").Dword(1).bytes, nullptr, 0, badSchema},
      {"schema 0xFFFF", ByteWriter().NewClass(0xFFFF, "SampleValue").Dword(1).bytes, nullptr, 0, badSchema},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int live = SampleValue::s_live;
    EXPECT_EQ(LoadingFailure(c.bytes,
                             [&](CArchive& ar) {
                               std::vector<std::unique_ptr<CObject>> read;
                               for (int i = 0; i < c.objectsBefore; ++i) read.push_back(ReadAny(ar));
                               read.emplace_back(ar.ReadObject(c.expected));
                             }),
              c.cause);
    EXPECT_EQ(SampleValue::s_live, live);
  }
  EXPECT_EQ(LoadingFailure(ByteWriter().Word(0).bytes, [](CArchive& ar) { ar.ReadClass(); }), badIndex);
}

TEST(Archive, RefusesToWriteAClassItCouldNotReadBack) {
  const SampleDynCreate withoutSchema;
  const SampleWhoseClassNameIsOneByteLongerThanTheSixtyFourAnArchiveNames longName;
  for (const CObject* object : {static_cast<const CObject*>(&withoutSchema), static_cast<const CObject*>(&longName)}) {
    SCOPED_TRACE(object->GetRuntimeClass()->m_lpszClassName);
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ThrownCause([&] { ar.WriteObject(object); }), CArchiveException::badClass);
    ar.Close();
    EXPECT_EQ(file.GetLength(), 0u);
  }

  const SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName longest;
  const Bytes bytes = Stored([&](CArchive& ar) { ar << &longest; });
  EXPECT_EQ(bytes.size(), 6u + 64u);
  Load(bytes, [](CArchive& ar) {
    EXPECT_EQ(ReadAny(ar)->GetRuntimeClass(),
              RUNTIME_CLASS(SampleWhoseClassNameIsJustAsLongAsTheSixtyFourBytesAnArchiveName));
  });
}

TEST(Archive, RefusesTheWrongDirection) {
  CMemFile storingFile;
  CArchive storing(&storingFile, CArchive::store);
  const Action loads[] = {
      [](CArchive& ar) { BYTE b; ar >> b; },
      [](CArchive& ar) { double d; ar >> d; },
      [](CArchive& ar) { ar.ReadCount(); },
      [](CArchive& ar) { ReadAny(ar); },
      [](CArchive& ar) { ar.ReadClass(); },
      [](CArchive& ar) { BYTE b; ar.Read(&b, 1); },
  };
  for (const Action& load : loads) EXPECT_EQ(ThrownCause([&] { load(storing); }), CArchiveException::writeOnly);

  BYTE source[4] = {1, 2, 3, 4};
  CMemFile loadingFile(source, sizeof source);
  CArchive loading(&loadingFile, CArchive::load);
  const SampleValue sample(1);
  const Action stores[] = {
      [](CArchive& ar) { ar << static_cast<BYTE>(1); },
      [](CArchive& ar) { ar << 1.0; },
      [](CArchive& ar) { ar.WriteCount(1); },
      [&](CArchive& ar) { ar.WriteObject(&sample); },
      [](CArchive& ar) { ar.WriteObject(nullptr); },
      [](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(SampleValue)); },
      [](CArchive& ar) { ar.Write("x", 1); },
  };
  for (const Action& store : stores) EXPECT_EQ(ThrownCause([&] { store(loading); }), CArchiveException::readOnly);
  DWORD value = 0;
  loading >> value;
  EXPECT_EQ(value, 0x04030201u);
}

TEST(Archive, ForgetsTheObjectsOfARecordThatFailed) {
  // Indices: 1 SampleHolder, 2 the holder, 3 SampleValue, 4 the child. The
  // holder's record ends early, so the holder and the child it owns die; a
  // later reference to either must not hand out a deleted object.
  for (unsigned index : {2u, 4u}) {
    SCOPED_TRACE(index);
    const int live = SampleValue::s_live;
    Load(ByteWriter().NewClass(2, "SampleHolder").NewSample(5).Word(index).bytes, [](CArchive& ar) {
      EXPECT_THROW(ReadAny(ar), CArchiveException);
      EXPECT_EQ(ThrownCause([&] { ReadAny(ar); }), CArchiveException::badIndex);
    });
    EXPECT_EQ(SampleValue::s_live, live);
  }
}

TEST(Archive, RoundTripsThroughAFileOnDiskAndLeavesTheFileWhereItStopped) {
  const TempDirectory directory;
  const std::string path = directory.File("objects.bin");
  {
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    EXPECT_EQ(ar.m_strFileName, path);
    ar << 2.25 << 3.5;
  }  // the archive flushes as it goes away
  CFile file(path.c_str(), CFile::modeRead);
  {
    CArchive ar(&file, CArchive::load);
    double d = 0;
    ar >> d;
    EXPECT_EQ(d, 2.25);
    ar.Close();
  }
  // The archive read ahead, but hands back what it did not use.
  EXPECT_EQ(file.GetPosition(), 8u);
}

TEST(Archive, PassesLargeRawBlocksThroughBothWays) {
  Bytes block(10000);
  for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<BYTE>(i * 7);
  const Bytes bytes = Stored([&](CArchive& ar) {
    ar << static_cast<BYTE>(9);
    ar.Write(block.data(), static_cast<UINT>(block.size()));
  });
  Load(bytes, [&](CArchive& ar) {
    BYTE first = 0;
    ar >> first;
    EXPECT_EQ(first, 9);
    Bytes read(block.size());
    EXPECT_EQ(ar.Read(read.data(), static_cast<UINT>(read.size())), block.size());
    EXPECT_EQ(read, block);
  });
}

TEST(Archive, IsUnusableAfterClose) {
  CMemFile file;
  CArchive ar(&file, CArchive::store);
  ar << static_cast<WORD>(1);
  ar.Close();
  EXPECT_EQ(file.GetLength(), 2u);
  EXPECT_THROW(ar << static_cast<WORD>(1), CArchiveException);
  EXPECT_NO_THROW(ar.Close());
}

}  // namespace
}  // namespace fpgeom::test
