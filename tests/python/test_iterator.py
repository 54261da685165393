"""The iterator functions on concrete iterators made by another module that
shares the type registry (iterator_peer, over Python sequences)."""

import unittest

import QuonPython as Q
import Quon
import iterator_peer as peer


class IteratorTest(unittest.TestCase):
    def setUp(self):
        self.items = ['a', 'b', 'c', 'd']
        peer.take_log()

    def tearDown(self):
        self.assertEqual(peer.live(), 0)

    def test_iterators_from_the_peer_are_instances_of_the_class(self):
        it = peer.iterator(self.items)
        self.assertIsInstance(it, Quon.SwigPyIterator)
        self.assertTrue(it.this.own())
        with self.assertRaises(AttributeError):
            Quon.SwigPyIterator()
        Q.delete_SwigPyIterator(it)
        self.assertEqual(peer.live(), 0)
        self.assertIsNone(Q.delete_SwigPyIterator(None))

    def test_next_previous_and_stop_at_the_ends(self):
        it = peer.iterator(self.items)
        self.assertEqual(list(it), self.items)
        with self.assertRaises(StopIteration) as caught:
            it.next()
        self.assertEqual(caught.exception.args, ())
        self.assertEqual(it.previous(), 'd')      # still usable after the stop
        self.assertEqual(Q.SwigPyIterator___next__(it), 'd')
        with self.assertRaises(StopIteration):
            Q.SwigPyIterator_value(it)
        start = peer.iterator(self.items)
        with self.assertRaises(StopIteration):
            start.previous()
        with self.assertRaises(StopIteration):
            start.decr()
        self.assertEqual(start.value(), 'a')

    def test_incr_decr_and_their_overloads(self):
        it = peer.iterator(self.items)
        moved = it.incr()
        self.assertEqual(int(moved.this), int(it.this))
        self.assertFalse(moved.this.own())
        self.assertEqual(it.incr(2).value(), 'd')
        self.assertEqual(it.decr(3).value(), 'a')
        with self.assertRaises(StopIteration):
            it.incr(5)
        self.assertEqual(peer.take_log(), ['incr 1', 'incr 2', 'decr 3', 'incr 5'])
        for function in ('incr', 'decr'):
            with self.assertRaises(NotImplementedError) as caught:
                getattr(Q, 'SwigPyIterator_' + function)(it, 1, 2)
            self.assertEqual(str(caught.exception), (
                "Wrong number or type of arguments for overloaded function 'SwigPyIterator_%s'.\n"
                "  Possible C/C++ prototypes are:\n"
                "    swig::SwigPyIterator::%s(size_t)\n"
                "    swig::SwigPyIterator::%s()\n") % (function, function, function))
            with self.assertRaises(NotImplementedError):
                getattr(Q, 'SwigPyIterator_' + function)(it, -1)
        with self.assertRaises(ValueError) as caught:
            Q.SwigPyIterator_incr(None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'SwigPyIterator_incr', argument 1 of type 'swig::SwigPyIterator *'")

    def test_advance_chooses_incr_or_decr(self):
        it = peer.iterator(self.items, 2)
        it.advance(0)
        it.advance(-2)
        it.advance(3)
        self.assertEqual(peer.take_log(), ['decr 0', 'decr 2', 'incr 3'])
        self.assertEqual(it.value(), 'd')
        with self.assertRaises(TypeError) as caught:
            it.advance(1.5)
        self.assertEqual(str(caught.exception),
                         "in method 'SwigPyIterator_advance', argument 2 of type 'ptrdiff_t'")

    def test_arithmetic_and_ownership(self):
        it = peer.iterator(self.items)
        later = it + 2
        self.assertEqual((it.value(), later.value()), ('a', 'c'))
        self.assertTrue(later.this.own())
        self.assertNotEqual(int(later.this), int(it.this))
        earlier = later - 1
        self.assertEqual(earlier.value(), 'b')
        self.assertEqual(later - it, 2L)
        self.assertIs(type(it - later), long)
        self.assertEqual(it - later, -2)
        self.assertEqual(Q.SwigPyIterator_distance(it, later), 2)
        self.assertIs(it.__sub__('x'), NotImplemented)
        with self.assertRaises(TypeError):
            it - 'x'
        with self.assertRaises(StopIteration):
            it + 9                                  # the copy is freed, not leaked
        with self.assertRaises(ValueError) as caught:
            Q.SwigPyIterator___sub__(it, None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'SwigPyIterator___sub__', argument 2 of type 'swig::SwigPyIterator const &'")
        alias = it
        it += 3
        self.assertEqual(it.value(), 'd')
        self.assertTrue(it.this.own())
        self.assertFalse(alias.this.own())          # ownership moved to the result
        self.assertEqual(alias.value(), 'd')
        it -= 1
        self.assertEqual(it.value(), 'c')
        with self.assertRaises(StopIteration):
            Q.SwigPyIterator___iadd__(it, 5)
        self.assertTrue(it.this.own())              # a failed step keeps ownership
        copy = it.copy()
        self.assertTrue(copy.this.own())
        self.assertTrue(copy == it and not copy != it)
        self.assertTrue(Q.SwigPyIterator_equal(copy, it))
        del alias

    def test_incomparable_iterators_raise_runtime_error_with_the_exception_object(self):
        it = peer.iterator(self.items)
        other = peer.iterator(list(self.items))
        for function in ('SwigPyIterator_equal', 'SwigPyIterator_distance',
                         'SwigPyIterator___eq__', 'SwigPyIterator___ne__',
                         'SwigPyIterator___sub__'):
            with self.assertRaises(RuntimeError) as caught:
                getattr(Q, function)(it, other)
            value, = caught.exception.args
            self.assertEqual(repr(value)[:48],
                             "<Swig Object of type 'std::invalid_argument *' at"[:48])
            del caught, value
        with self.assertRaises(ValueError) as caught:
            Q.SwigPyIterator_equal(it, None)
        self.assertEqual(str(caught.exception), "invalid null reference in method "
                         "'SwigPyIterator_equal', argument 2 of type 'swig::SwigPyIterator const &'")
        with self.assertRaises(TypeError) as caught:
            Q.SwigPyIterator_copy(Quon.byte_array(1))
        self.assertEqual(str(caught.exception),
                         "in method 'SwigPyIterator_copy', argument 1 of type 'swig::SwigPyIterator const *'")


if __name__ == '__main__':
    unittest.main()
