// The module travels inside this very file: compile it straight from its
// bytes, at once, so that the board is drawn in the page's first frames. The
// runtime would otherwise fetch its own data: URL and wait for the loader.
// A browser that refuses to compile on the main thread gets it compiled in
// the background instead; if that fails too, the promise the page waits on
// is rejected.
Module['instantiateWasm'] = function(imports, receiveInstance) {
  var bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(wasmBinaryFile.slice(dataURIPrefix.length))
                                    : tryParseAsDataURI(wasmBinaryFile); // the browser's own decoder is faster
  var instance;
  try {
    instance = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
  } catch (refusedHere) {
    WebAssembly.instantiate(bytes, imports)
      .then(function(result) { receiveInstance(result.instance); })
      .catch(readyPromiseReject); // the page reports it
    return {};
  }
  receiveInstance(instance);
  return instance.exports;
};
