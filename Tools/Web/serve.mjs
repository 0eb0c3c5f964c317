// Serves the web build on this machine alone (127.0.0.1), for a person to play and for the browser
// test. Only the files under the served folder are given out; a folder's path gives its
// index.html, never a listing.
//   node serve.mjs [FOLDER] [PORT]     FOLDER defaults to build-web, PORT to $PORT or 8080
import { createServer } from 'node:http';
import { createReadStream } from 'node:fs';
import { stat } from 'node:fs/promises';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const kTypes = {
	'.html': 'text/html; charset=utf-8',
	'.js': 'text/javascript; charset=utf-8',
	'.mjs': 'text/javascript; charset=utf-8',
	'.wasm': 'application/wasm',
	'.data': 'application/octet-stream',
	'.css': 'text/css; charset=utf-8',
	'.json': 'application/json',
	'.png': 'image/png',
	'.svg': 'image/svg+xml',
	'.ico': 'image/x-icon',
	'.txt': 'text/plain; charset=utf-8',
	'.md': 'text/plain; charset=utf-8',
	'.xml': 'text/xml; charset=utf-8',
};

// The file a request names inside the root, or null when the path leaves it or is malformed.
function FilePath(as_Root, as_Url) {
	let s_Path;
	try {
		s_Path = decodeURIComponent(new URL(as_Url, 'http://localhost').pathname);
	} catch {
		return null;
	}
	if (s_Path.includes('\0'))
		return null;
	const s_File = resolve(join(as_Root, s_Path));
	return s_File === as_Root || s_File.startsWith(as_Root + sep) ? s_File : null;
}

function Refuse(ap_Response, ai_Status, as_Text) {
	ap_Response.writeHead(ai_Status, { 'Content-Type': 'text/plain; charset=utf-8' });
	ap_Response.end(as_Text + '\n');
}

async function Answer(as_Root, ap_Request, ap_Response) {
	if (ap_Request.method !== 'GET' && ap_Request.method !== 'HEAD')
		return Refuse(ap_Response, 405, 'method not allowed');
	let s_File = FilePath(as_Root, ap_Request.url);
	if (s_File === null)
		return Refuse(ap_Response, 404, 'not found');
	let o_Info = await stat(s_File).catch(() => null);
	if (o_Info && o_Info.isDirectory()) {
		s_File = join(s_File, 'index.html');
		o_Info = await stat(s_File).catch(() => null);
	}
	if (!o_Info || !o_Info.isFile())
		return Refuse(ap_Response, 404, 'not found');
	ap_Response.writeHead(200, {
		'Content-Type': kTypes[extname(s_File).toLowerCase()] || 'application/octet-stream',
		'Content-Length': o_Info.size,
		// A rebuilt game is picked up on the next reload.
		'Cache-Control': 'no-cache',
	});
	if (ap_Request.method === 'HEAD')
		return ap_Response.end();
	const o_Stream = createReadStream(s_File);
	o_Stream.on('error', () => ap_Response.destroy());
	o_Stream.pipe(ap_Response);
}

// Starts serving as_Folder on 127.0.0.1:ai_Port (0: a free port); resolves to the server once it
// listens, its port in server.address().port.
export function Serve(as_Folder, ai_Port) {
	const s_Root = resolve(as_Folder);
	const o_Server = createServer((ap_Request, ap_Response) => {
		Answer(s_Root, ap_Request, ap_Response).catch(() => {
			if (!ap_Response.headersSent)
				Refuse(ap_Response, 500, 'server error');
			else
				ap_Response.destroy();
		});
	});
	return new Promise((af_Resolve, af_Reject) => {
		o_Server.once('error', af_Reject);
		o_Server.listen(ai_Port, '127.0.0.1', () => af_Resolve(o_Server));
	});
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
	const s_Folder = process.argv[2] || 'build-web';
	const i_Port = Number(process.argv[3] || process.env.PORT || 8080);
	const o_Info = await stat(join(s_Folder, 'index.html')).catch(() => null);
	if (!o_Info) {
		console.error(`serve: no ${join(s_Folder, 'index.html')}: make web builds it`);
		process.exit(1);
	}
	if (!Number.isInteger(i_Port) || i_Port < 0 || i_Port > 65535) {
		console.error(`serve: bad port ${process.argv[3] || process.env.PORT}`);
		process.exit(2);
	}
	try {
		const o_Server = await Serve(s_Folder, i_Port);
		console.log(`Fudemaru: http://127.0.0.1:${o_Server.address().port}/ (Ctrl+C stops the server)`);
	} catch (o_Error) {
		console.error(`serve: cannot listen on 127.0.0.1:${i_Port}: ${o_Error.message}`);
		process.exit(1);
	}
}
