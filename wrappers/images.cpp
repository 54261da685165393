// Quon::Image, Quon::Mask and Quon::TrackedQuad. Pixel and distortion data
// leave the library either copied into a caller's array (refused when the
// array is known to be too short) or as an opaque, non-owning address.
#include "../containers/arrays.h"
#include "../runtime/blocks.h"
#include "Quon.h"

namespace quon::blocks {
namespace {

using namespace tk;
using arrays::Buffer;
using Quon::Image;
using Quon::Mask;
using Quon::TrackedQuad;

// Byte counts come from the library's int getters; a negative one copies nothing.
std::size_t product(long long a, long long b, long long c = 1) {
  return a > 0 && b > 0 && c > 0 ? static_cast<std::size_t>(a * b * c) : 0;
}

void image_data(const Image* image, unsigned char* buffer) {
  const unsigned char* pixels = image->data();
  const std::size_t bytes = product(image->bytesPerPixel(), image->height(), image->width());
  arrays::copy_into("Image_data", buffer, pixels, bytes);
}

void image_distortion(const Image* image, float* buffer) {
  const float* grid = image->distortion();
  const std::size_t bytes =
      product(image->distortionHeight(), image->distortionWidth(), sizeof(float));
  arrays::copy_into("Image_distortion", buffer, grid, bytes);
}

void mask_data(const Mask* mask, unsigned char* buffer) {
  const unsigned char* pixels = mask->data();
  const std::size_t bytes = product(mask->height(), mask->width());
  arrays::copy_into("Mask_data", buffer, pixels, bytes);
}

// The library's own buffers, as untyped addresses that free nothing.
Borrowed<void> image_data_pointer(Image* image) {
  return {const_cast<unsigned char*>(image->data())};
}
Borrowed<void> image_distortion_pointer(Image* image) {
  return {const_cast<float*>(image->distortion())};
}
Borrowed<void> mask_data_pointer(Mask* mask) { return {const_cast<unsigned char*>(mask->data())}; }

Borrowed<Mask> mask_invalid() { return {const_cast<Mask*>(&Mask::invalid())}; }

}  // namespace

Block image() {
  return {
      ctor<"new_Image", Image>,
      fn<"Image_data", &image_data, Self<Image>, Buffer<unsigned char>>,
      fn<"Image_distortion", &image_distortion, Self<Image>, Buffer<float>>,
      method<"Image_rectify", &Image::rectify, Ref<Quon::Vector>>,
      method<"Image_warp", &Image::warp, Ref<Quon::Vector>>,
      equal<"Image___eq__", Image>,
      not_equal<"Image___ne__", Image>,
      str<"Image___str__", Image>,
      getter<"Image_sequence_id_get", &Image::sequenceId>,
      getter<"Image_id_get", &Image::id>,
      getter<"Image_width_get", &Image::width>,
      getter<"Image_height_get", &Image::height>,
      getter<"Image_bytes_per_pixel_get", &Image::bytesPerPixel>,
      getter<"Image_format_get", &Image::format>,
      getter<"Image_distortion_width_get", &Image::distortionWidth>,
      getter<"Image_distortion_height_get", &Image::distortionHeight>,
      getter<"Image_ray_offset_x_get", &Image::rayOffsetX>,
      getter<"Image_ray_offset_y_get", &Image::rayOffsetY>,
      getter<"Image_ray_scale_x_get", &Image::rayScaleX>,
      getter<"Image_ray_scale_y_get", &Image::rayScaleY>,
      getter<"Image_timestamp_get", &Image::timestamp>,
      getter<"Image_is_valid_get", &Image::isValid>,
      fn<"Image_data_pointer_get", &image_data_pointer, SelfMut<Image>>,
      fn<"Image_distortion_pointer_get", &image_distortion_pointer, SelfMut<Image>>,
      dtor<"delete_Image", Image>,
      registration<"Image_swigregister", Image>,
  };
}

Block mask() {
  return {
      ctor<"new_Mask", Mask>,
      fn<"Mask_data", &mask_data, Self<Mask>, Buffer<unsigned char>>,
      fn<"Mask_invalid", &mask_invalid>,
      equal<"Mask___eq__", Mask>,
      not_equal<"Mask___ne__", Mask>,
      str<"Mask___str__", Mask>,
      getter<"Mask_sequence_id_get", &Mask::sequenceId>,
      getter<"Mask_id_get", &Mask::id>,
      getter<"Mask_width_get", &Mask::width>,
      getter<"Mask_height_get", &Mask::height>,
      getter<"Mask_offset_x_get", &Mask::offsetX>,
      getter<"Mask_offset_y_get", &Mask::offsetY>,
      getter<"Mask_is_valid_get", &Mask::isValid>,
      fn<"Mask_data_pointer_get", &mask_data_pointer, SelfMut<Mask>>,
      dtor<"delete_Mask", Mask>,
      registration<"Mask_swigregister", Mask>,
  };
}

Block tracked_quad() {
  return {
      ctor<"new_TrackedQuad", TrackedQuad>,
      equal<"TrackedQuad___eq__", TrackedQuad>,
      not_equal<"TrackedQuad___ne__", TrackedQuad>,
      str<"TrackedQuad___str__", TrackedQuad>,
      getter<"TrackedQuad_width_get", &TrackedQuad::width>,
      getter<"TrackedQuad_height_get", &TrackedQuad::height>,
      getter<"TrackedQuad_resolution_x_get", &TrackedQuad::resolutionX>,
      getter<"TrackedQuad_resolution_y_get", &TrackedQuad::resolutionY>,
      getter<"TrackedQuad_visible_get", &TrackedQuad::visible>,
      getter<"TrackedQuad_orientation_get", &TrackedQuad::orientation>,
      getter<"TrackedQuad_position_get", &TrackedQuad::position>,
      getter<"TrackedQuad_masks_get", &TrackedQuad::masks>,
      getter<"TrackedQuad_images_get", &TrackedQuad::images>,
      getter<"TrackedQuad_is_valid_get", &TrackedQuad::isValid>,
      dtor<"delete_TrackedQuad", TrackedQuad>,
      registration<"TrackedQuad_swigregister", TrackedQuad>,
  };
}

}  // namespace quon::blocks
