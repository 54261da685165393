"""Raw element arrays: allocation, element conversion, bounds known from the
block record, views made by cast and frompointer, and release."""

import unittest

import QuonPython as Q
import Quon

from quontest import run_python


class ByteArrayTest(unittest.TestCase):
    def test_elements_convert_as_unsigned_char(self):
        a = Quon.byte_array(4)
        a[0] = 0
        a[3] = 255
        self.assertEqual(a[3], 255)
        self.assertIs(type(a[3]), long)
        self.assertEqual(a[0], 0L)
        message = "in method 'byte_array___setitem__', argument 3 of type 'unsigned char'"
        for value, error in ((256, OverflowError), (-1, OverflowError), (1.0, TypeError),
                             ('a', TypeError)):
            with self.assertRaises(error) as caught:
                a[1] = value
            self.assertEqual(str(caught.exception), message)
        with self.assertRaises(OverflowError) as caught:
            a[-1]
        self.assertEqual(str(caught.exception),
                         "in method 'byte_array___getitem__', argument 2 of type 'size_t'")
        with self.assertRaises(OverflowError) as caught:
            Quon.byte_array(-1)
        self.assertEqual(str(caught.exception), "in method 'new_byte_array', argument 1 of type 'size_t'")

    def test_index_at_or_beyond_the_count_is_refused(self):
        a = Quon.byte_array(4)
        for i in range(4):
            a[i] = i * 10
        with self.assertRaises(IndexError) as caught:
            a[4]
        self.assertEqual(str(caught.exception), "in method 'byte_array___getitem__', index 4 is "
                         "out of range for an array of 4 elements")
        with self.assertRaises(IndexError) as caught:
            a[1 << 40] = 1
        self.assertEqual(str(caught.exception), "in method 'byte_array___setitem__', index "
                         "1099511627776 is out of range for an array of 4 elements")
        # The IndexError ends Python's sequence iteration at the count.
        self.assertEqual(list(a), [0, 10, 20, 30])
        empty = Quon.byte_array(0)
        with self.assertRaises(IndexError):
            empty[0]
        self.assertNotEqual(int(empty.this), int(Quon.byte_array(0).this))

    def test_views_share_the_block_and_know_what_remains(self):
        a = Quon.byte_array(4)
        pointer = a.cast()
        self.assertEqual(repr(pointer)[:38], "<Swig Object of type 'uint8_t *' at 0x")
        view = Quon.byte_array.frompointer(pointer)
        view[2] = 77
        self.assertEqual(a[2], 77)
        a[3] = 9
        self.assertEqual(view[3], 9)
        self.assertEqual(int(view.this), int(a.this))
        self.assertFalse(view.this.own())
        with self.assertRaises(IndexError):
            view[4]
        # A view keeps its source alive: the block stays readable after the
        # array's last name is gone.
        del a, pointer
        self.assertEqual(view[2], 77)
        with self.assertRaises(TypeError) as caught:
            Q.byte_array_frompointer(Q.new_float_array(1))
        self.assertEqual(str(caught.exception),
                         "in method 'byte_array_frompointer', argument 1 of type 'unsigned char *'")

    def test_delete_frees_once_and_views_of_a_deleted_array_are_refused(self):
        a = Quon.byte_array(8)
        detached = Quon.byte_array.frompointer(a.cast())
        Q.delete_byte_array(detached)      # a view frees nothing; it is only detached
        a[0] = 1
        self.assertEqual(a[0], 1)
        self.assertRaises(ValueError, detached.__getitem__, 0)
        view = Quon.byte_array.frompointer(a.cast())
        self.assertEqual(view[0], 1)
        Q.delete_byte_array(a)
        self.assertFalse(a.this.own())
        Q.delete_byte_array(a)             # already released: nothing to free
        self.assertIsNone(Q.delete_byte_array(None))
        with self.assertRaises(ValueError) as caught:
            a[0]
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'byte_array___getitem__', argument 1 of type 'byteArray *'")
        with self.assertRaises(ValueError) as caught:
            view[0]
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'byte_array___getitem__', argument 1 of type 'byteArray *'")
        with self.assertRaises(ValueError):
            Q.Image_data(Quon.Image(), view)

    def test_allocation_failure_is_a_memory_error(self):
        with self.assertRaises(MemoryError) as caught:
            Quon.byte_array(1 << 62)
        self.assertEqual(str(caught.exception),
                         "in method 'new_byte_array', cannot allocate 4611686018427387904 elements")


class FloatArrayTest(unittest.TestCase):
    def test_elements_are_single_precision(self):
        f = Quon.float_array(3)
        f[0] = 0.1
        self.assertEqual(repr(f[0]), '0.10000000149011612')
        f[1] = 2
        self.assertEqual(f[1], 2.0)
        f[2] = float('inf')
        self.assertEqual(f[2], float('inf'))
        with self.assertRaises(OverflowError) as caught:
            f[2] = 1e39
        self.assertEqual(str(caught.exception),
                         "in method 'float_array___setitem__', argument 3 of type 'float'")
        with self.assertRaises(IndexError) as caught:
            f[3]
        self.assertEqual(str(caught.exception), "in method 'float_array___getitem__', index 3 is "
                         "out of range for an array of 3 elements")
        view = Quon.float_array.frompointer(f.cast())
        self.assertEqual(view[1], 2.0)
        with self.assertRaises(TypeError) as caught:
            Q.float_array_cast(Quon.byte_array(1))
        self.assertEqual(str(caught.exception), "in method 'float_array_cast', argument 1 of type 'floatArray *'")

    def test_counts_whose_bytes_exceed_32_bits_are_memory_errors(self):
        for count in (1 << 30, (1 << 32) + 1):
            with self.assertRaises(MemoryError) as caught:
                Quon.float_array(count)
            self.assertEqual(str(caught.exception),
                             "in method 'new_float_array', cannot allocate %d elements" % count)
        self.assertEqual(Quon.float_array((1 << 20)).this.own(), True)


class DestroyTest(unittest.TestCase):
    def test_owner_dies_after_delete_without_a_second_free(self):
        # A double free aborts the interpreter, so this runs in its own process.
        code, out, err = run_python("""
            import Quon, QuonPython as Q
            for i in range(2000):
                a = Quon.byte_array(64)
                f = Quon.float_array(16)
                v = Quon.byte_array.frompointer(a.cast())
                Q.delete_byte_array(a)
                Q.delete_float_array(f)
                del a, f, v
                bare = Q.new_byte_array(3)
                del bare
            print 'done'
        """)
        self.assertEqual((code, out.strip()), (0, 'done'), err)


if __name__ == '__main__':
    unittest.main()
